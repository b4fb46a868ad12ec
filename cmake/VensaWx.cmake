# The wxWidgets the window links against, as one interface target `vensa_wx`:
# - Linux: Debian's wxGTK 3.2 (libwxgtk3.2-dev) through FindwxWidgets;
# - Windows (the mingw-w64 cross build): the static wxMSW that tools/build-wxmsw installs,
#   through the wx-config of its prefix (VENSA_WXMSW_PREFIX), so the executable carries
#   everything it needs.
# Without wxWidgets the target is not defined and the window is not built.
# wx headers come in as system headers: their warnings are not ours.
set(VENSA_WXMSW_PREFIX "" CACHE PATH "Install prefix of the static wxMSW (printed by tools/build-wxmsw)")

function(vensa_wx_from_flags cxxflags libs)
  separate_arguments(cxxflags UNIX_COMMAND "${cxxflags}")
  separate_arguments(libs UNIX_COMMAND "${libs}")
  add_library(vensa_wx INTERFACE)
  foreach(flag IN LISTS cxxflags)
    if(flag MATCHES "^-I(.+)")
      target_include_directories(vensa_wx SYSTEM INTERFACE "${CMAKE_MATCH_1}")
    elseif(flag MATCHES "^-D(.+)")
      target_compile_definitions(vensa_wx INTERFACE "${CMAKE_MATCH_1}")
    else()
      target_compile_options(vensa_wx INTERFACE "$<$<COMPILE_LANGUAGE:CXX>:${flag}>")
    endif()
  endforeach()
  target_link_libraries(vensa_wx INTERFACE ${libs})
endfunction()

if(WIN32)
  if(VENSA_WXMSW_PREFIX)
    set(wx_config "${VENSA_WXMSW_PREFIX}/bin/wx-config")
    if(NOT EXISTS "${wx_config}")
      message(FATAL_ERROR "no wx-config in VENSA_WXMSW_PREFIX=${VENSA_WXMSW_PREFIX} (run tools/build-wxmsw)")
    endif()
    execute_process(COMMAND "${wx_config}" --static --cxxflags OUTPUT_VARIABLE wx_cxxflags
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${wx_config}" --static --libs core,base OUTPUT_VARIABLE wx_libs
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    vensa_wx_from_flags("${wx_cxxflags}" "${wx_libs}")
  endif()
else()
  find_package(wxWidgets 3.2 COMPONENTS core base)
  if(wxWidgets_FOUND)
    add_library(vensa_wx INTERFACE)
    target_include_directories(vensa_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
    target_compile_definitions(vensa_wx INTERFACE ${wxWidgets_DEFINITIONS})
    target_compile_options(vensa_wx INTERFACE ${wxWidgets_CXX_FLAGS})
    target_link_libraries(vensa_wx INTERFACE ${wxWidgets_LIBRARIES})
  endif()
endif()

# vensa_windows_gui(TARGET): a Windows GUI program (no console window) with our resources:
# the icon, the manifest (common controls 6, DPI awareness) and the version information.
function(vensa_windows_gui target)
  set(dir ${PROJECT_SOURCE_DIR}/app/windows)
  target_sources(${target} PRIVATE ${dir}/vensa.rc)
  set_source_files_properties(${dir}/vensa.rc TARGET_DIRECTORY ${target} PROPERTIES
    INCLUDE_DIRECTORIES ${dir} OBJECT_DEPENDS "${dir}/vensa.ico;${dir}/vensa.exe.manifest")
  target_link_options(${target} PRIVATE -mwindows)
endfunction()
