# The Windows build of the window: the static wxMSW that tools/build-wxmsw installs outside
# the clone (VENSA_WXMSW_PREFIX, the path the script prints). FindwxWidgets then reads the
# wx-config of that prefix, as it reads Debian's wxGTK one on Linux, so the window's own
# CMake files are the same for both; the executable carries everything it needs.
set(VENSA_WXMSW_PREFIX "" CACHE PATH "Install prefix of the static wxMSW (printed by tools/build-wxmsw)")
if(WIN32 AND VENSA_WXMSW_PREFIX)
  if(NOT EXISTS "${VENSA_WXMSW_PREFIX}/bin/wx-config")
    message(FATAL_ERROR "no wx-config in VENSA_WXMSW_PREFIX=${VENSA_WXMSW_PREFIX} (run tools/build-wxmsw)")
  endif()
  set(wxWidgets_CONFIG_EXECUTABLE "${VENSA_WXMSW_PREFIX}/bin/wx-config" CACHE FILEPATH "" FORCE)
  set(wxWidgets_USE_STATIC ON CACHE BOOL "" FORCE)
  # FindwxWidgets looks each of wx-config's libraries up; the cross build looks only below
  # its find roots, so the prefix becomes one.
  list(APPEND CMAKE_FIND_ROOT_PATH "${VENSA_WXMSW_PREFIX}")
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
