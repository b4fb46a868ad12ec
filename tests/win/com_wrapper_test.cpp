// The COM wrappers and the Windows platform inside one process: error texts, values,
// the message filter registered for real, the ANSI code page and short path names.
#include <windows.h>

#include <gtest/gtest.h>

#include "cad/com/com_cad_value.h"
#include "core/encoding.h"
#include "platform/automation_error.h"
#include "platform/retrying_message_filter.h"
#include "platform/win/com_error.h"
#include "platform/win/com_message_filter.h"
#include "platform/win/dispatch.h"
#include "platform/win/variant.h"
#include "tests/win/served_object.h"
#include "wiring/running_object.h"

namespace vensa::win {
namespace {

HRESULT CodeOf(std::string_view member, HRESULT code, EXCEPINFO* info, std::string& text) {
  try {
    ThrowComError(member, code, info);
  } catch (const ComError& e) {
    text = e.what();
    EXPECT_EQ(e.member(), member);
    return e.Code();
  }
  return S_OK;
}

TEST(ComError, ServerDescriptionFirstThenTheSystemsTextForTheCode) {
  std::string text;
  EXCEPINFO info{};
  info.bstrDescription = SysAllocString(L"入力がキャンセルされました\r\n");
  info.scode = E_ABORT;
  EXPECT_EQ(CodeOf("GetPoint", DISP_E_EXCEPTION, &info, text), E_ABORT);
  EXPECT_EQ(text, "入力がキャンセルされました");
  EXPECT_EQ(info.bstrDescription, nullptr) << "freed and cleared";

  EXCEPINFO bare{};
  bare.scode = E_OUTOFMEMORY;
  CodeOf("Add", DISP_E_EXCEPTION, &bare, text);
  EXPECT_EQ(text, SystemErrorText(E_OUTOFMEMORY));

  CodeOf("Cordinates", DISP_E_UNKNOWNNAME, nullptr, text);
  EXPECT_NE(text.find("(Cordinates)"), std::string::npos) << text;
  // The server that went away has the system's own text, never the bare number.
  EXPECT_EQ(SystemErrorText(HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE)).find("自動化エラー"),
            std::string::npos);
  EXPECT_EQ(SystemErrorText(static_cast<HRESULT>(0xA0001234)), "自動化エラー (0xA0001234)");
}

// An object answering each of its members with the member's id, counting the name
// look-ups it is asked for.
class IdEchoObject final : public IDispatch {
 public:
  explicit IdEchoObject(std::vector<std::pair<std::wstring, DISPID>> members)
      : members_(std::move(members)) {}
  int lookups = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown && iid != IID_IDispatch) return *out = nullptr, E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the stack
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                          DISPID* ids) override {
    ++lookups;
    for (const auto& [name, id] : members_)
      if (name == names[0]) return *ids = id, S_OK;
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    for (const auto& member : members_) {
      if (member.second == id) {
        result->vt = VT_I4;
        result->lVal = id;
        return S_OK;
      }
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  std::vector<std::pair<std::wstring, DISPID>> members_;
  ULONG refs_ = 1;
};

TEST(Dispatch, MemberIdsAskedOnceAndASharedIdTheObjectDoesNotKnowAskedAgain) {
  IdEchoObject first({{L"Radius", 5}}), second({{L"Radius", 7}});
  Dispatch a{ComPtr<IDispatch>(&first)}, b{ComPtr<IDispatch>(&second)};
  const auto ids = std::make_shared<DispIdCache>();
  a.UseIdCache(ids);
  b.UseIdCache(ids);
  EXPECT_EQ(AsInt32(a.Call("Radius"), "Radius"), 5);
  EXPECT_EQ(AsInt32(a.Call("Radius"), "Radius"), 5);
  EXPECT_EQ(first.lookups, 1);
  EXPECT_EQ(AsInt32(b.Call("Radius"), "Radius"), 7);  // 5 is refused, then looked up
  EXPECT_EQ(AsInt32(b.Call("Radius"), "Radius"), 7);
  EXPECT_EQ(second.lookups, 1);
  EXPECT_THROW(b.Call("Center"), ComError);
}

TEST(ComValues, ResultsBecomeCadValuesAndPointsGoAsThreeDoubles) {
  EXPECT_EQ(ToCadValue(Variant(2.5)), CadValue(2.5));
  EXPECT_EQ(ToCadValue(Variant(std::int16_t{1})), CadValue(std::int32_t{1}));
  EXPECT_EQ(ToCadValue(Variant("測点")), CadValue(std::string("測点")));
  EXPECT_EQ(ToCadValue(Variant()), CadValue());
  const Variant point = Variant::Variants({Variant(1.0), Variant(std::int32_t{2}), Variant(3.5)});
  EXPECT_EQ(ToCadValue(point), CadValue(std::vector<double>{1, 2, 3.5}));
  EXPECT_EQ(ToCadValue(PointArgument({4, 5, 6})), CadValue(std::vector<double>{4, 5, 6}));
  EXPECT_THROW(ToCadValue(Variant::Variants({Variant("x")})), VariantError);
}

// A filter someone else registered before ours.
struct ForeignFilter : MessageFilter {
  std::uint32_t HandleInComingCall(std::uint32_t, TaskHandle, std::uint32_t) override { return 7; }
  std::int32_t RetryRejectedCall(TaskHandle, std::uint32_t, std::uint32_t) override { return 42; }
  std::uint32_t MessagePending(TaskHandle, std::uint32_t, std::uint32_t) override { return 2; }
};

ComPtr<IMessageFilter> CurrentFilter() {
  ComPtr<IMessageFilter> current;
  CoRegisterMessageFilter(nullptr, current.Put());
  CoRegisterMessageFilter(current.Get(), nullptr);
  return current;
}

TEST(MessageFilter, RegisteredForRealAnsweringTheRuntimeAndRevokedToTheOldOne) {
  ComApartment apartment;
  std::unique_ptr<Platform> platform = MakeWinPlatform();
  ComPtr<IMessageFilter> foreign = MakeComMessageFilter(std::make_shared<ForeignFilter>());
  ASSERT_HRESULT_SUCCEEDED(CoRegisterMessageFilter(foreign.Get(), nullptr));

  auto filter = TMessageFilter::Create();
  filter->RegisterFilter(*platform);
  ASSERT_TRUE(filter->FOldFilter);
  EXPECT_EQ(filter->FOldFilter->RetryRejectedCall(0, 0, 2), 42) << "the foreign filter, kept";
  // What the runtime is told while a call into a busy CAD waits.
  ComPtr<IMessageFilter> ours = CurrentFilter();
  ASSERT_TRUE(ours);
  EXPECT_EQ(ours->RetryRejectedCall(nullptr, 60000, SERVERCALL_RETRYLATER), 1000u);
  EXPECT_EQ(ours->RetryRejectedCall(nullptr, 0, SERVERCALL_REJECTED), 0xFFFFFFFFu);
  EXPECT_EQ(ours->HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr),
            static_cast<DWORD>(SERVERCALL_ISHANDLED));
  EXPECT_EQ(ours->MessagePending(nullptr, 0, PENDINGTYPE_TOPLEVEL),
            static_cast<DWORD>(PENDINGMSG_WAITNOPROCESS));

  filter->RevokeFilter(*platform);
  EXPECT_EQ(CurrentFilter()->RetryRejectedCall(nullptr, 0, 2), 42u) << "the old filter is back";
  CoRegisterMessageFilter(nullptr, nullptr);
}

TEST(AnsiCodePage, JapaneseNamesRoundTripThroughCodePage932) {
  if (GetACP() != 932) GTEST_SKIP() << "ANSI code page " << GetACP();
  const std::string names = "測点名 外周 ｱ-2";
  const std::string ansi = Utf8ToAnsi(names);
  EXPECT_EQ(ansi, "\x91\xaa\x93\x5f\x96\xbc \x8a\x4f\x8e\xfc \xb1-2");
  EXPECT_EQ(AnsiToUtf8(ansi), names);
  // No look-alike for a character 932 lacks: "ä" would otherwise become "a" unnoticed.
  EXPECT_EQ(Utf8ToAnsi("①ä"), "\x87\x40?");
  EXPECT_FALSE(FitsAnsi("ä"));
}

TEST(ShortPathName, BlanksGoneForAnExistingFileNothingForAMissingOne) {
  std::unique_ptr<Platform> platform = MakeWinPlatform();
  const std::wstring folder = test::FreshFolder(L"vensa short name test");
  test::WriteBytes(folder + L"\\insert file.dxf", "0\r\nEOF\r\n");
  const std::string longPath = Narrow(folder + L"\\insert file.dxf");
  const std::optional<std::string> shortPath = platform->ShortPathName(longPath);
  ASSERT_TRUE(shortPath);
  EXPECT_EQ(shortPath->find(' '), std::string::npos) << *shortPath;
  EXPECT_NE(GetFileAttributesW(Widen(*shortPath).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(platform->ShortPathName(Narrow(folder + L"\\missing file.dxf")));
}

}  // namespace
}  // namespace vensa::win
