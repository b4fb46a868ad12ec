#include "platform/win/com_message_filter.h"

#include <atomic>

#include "platform/win/com_error.h"

namespace vensa::win {

namespace {

// {7B9E2C41-5D3A-4F0B-9A61-3C2E8D4F1A07}: lets RegisterProcessMessageFilter recognise its
// own bridge among the filters the runtime hands back.
constexpr GUID kBridgeIid = {
    0x7b9e2c41, 0x5d3a, 0x4f0b, {0x9a, 0x61, 0x3c, 0x2e, 0x8d, 0x4f, 0x1a, 0x07}};

class Bridge final : public IMessageFilter {
 public:
  explicit Bridge(std::shared_ptr<MessageFilter> filter) : filter_(std::move(filter)) {}
  virtual ~Bridge() = default;

  const std::shared_ptr<MessageFilter>& Filter() const { return filter_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter) ||
        IsEqualIID(iid, kBridgeIid)) {
      *out = static_cast<IMessageFilter*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD callType, HTASK caller, DWORD tickCount,
                                             LPINTERFACEINFO) override {
    return filter_->HandleInComingCall(callType, reinterpret_cast<TaskHandle>(caller), tickCount);
  }
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tickCount,
                                            DWORD rejectType) override {
    // -1 (cancel) travels as 0xFFFFFFFF, as the runtime expects.
    return static_cast<DWORD>(
        filter_->RetryRejectedCall(reinterpret_cast<TaskHandle>(callee), tickCount, rejectType));
  }
  DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tickCount,
                                         DWORD pendingType) override {
    return filter_->MessagePending(reinterpret_cast<TaskHandle>(callee), tickCount, pendingType);
  }

 private:
  std::shared_ptr<MessageFilter> filter_;
  std::atomic<ULONG> references_{1};
};

// A filter someone else installed before ours, held so that revoking ours restores it.
class ForeignFilter final : public MessageFilter {
 public:
  explicit ForeignFilter(ComPtr<IMessageFilter> filter) : filter_(std::move(filter)) {}
  IMessageFilter* Com() const { return filter_.Get(); }

  std::uint32_t HandleInComingCall(std::uint32_t callType, TaskHandle caller,
                                   std::uint32_t tickCount) override {
    return filter_->HandleInComingCall(callType, reinterpret_cast<HTASK>(caller), tickCount,
                                       nullptr);
  }
  std::int32_t RetryRejectedCall(TaskHandle callee, std::uint32_t tickCount,
                                 std::uint32_t rejectType) override {
    return static_cast<std::int32_t>(
        filter_->RetryRejectedCall(reinterpret_cast<HTASK>(callee), tickCount, rejectType));
  }
  std::uint32_t MessagePending(TaskHandle callee, std::uint32_t tickCount,
                               std::uint32_t pendingType) override {
    return filter_->MessagePending(reinterpret_cast<HTASK>(callee), tickCount, pendingType);
  }

 private:
  ComPtr<IMessageFilter> filter_;
};

}  // namespace

ComPtr<IMessageFilter> MakeComMessageFilter(std::shared_ptr<MessageFilter> filter) {
  return ComPtr<IMessageFilter>::Attach(new Bridge(std::move(filter)));
}

std::shared_ptr<MessageFilter> RegisterProcessMessageFilter(std::shared_ptr<MessageFilter> filter) {
  ComPtr<IMessageFilter> next;
  if (auto* foreign = dynamic_cast<ForeignFilter*>(filter.get()))
    next = ComPtr<IMessageFilter>(foreign->Com());
  else if (filter)
    next = MakeComMessageFilter(std::move(filter));
  ComPtr<IMessageFilter> previous;
  const HRESULT hr = CoRegisterMessageFilter(next.Get(), previous.Put());
  if (FAILED(hr)) ThrowComError("CoRegisterMessageFilter", hr, nullptr);
  if (!previous) return nullptr;
  ComPtr<IUnknown> ours;
  if (SUCCEEDED(previous->QueryInterface(kBridgeIid, ours.PutVoid())))
    return static_cast<Bridge*>(static_cast<IMessageFilter*>(previous.Get()))->Filter();
  return std::make_shared<ForeignFilter>(std::move(previous));
}

}  // namespace vensa::win
