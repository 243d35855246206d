#pragma once
// A COM object the program implements itself: the reference count (the creator holds the first
// reference; the last Release deletes it) and QueryInterface for IUnknown and the interfaces named.
#include <windows.h>
#include <unknwn.h>

#include <atomic>
#include <initializer_list>

namespace vantrelle::win32 {

template <class Interface>
class ComObject : public Interface {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  // QueryInterface's answer when the object is `Interface` and also each of `ids`.
  HRESULT Answer(REFIID id, void** out, std::initializer_list<const IID*> ids) {
    if (!out) return E_POINTER;
    bool known = IsEqualIID(id, IID_IUnknown);
    for (const IID* each : ids) known = known || IsEqualIID(id, *each);
    if (!known) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<Interface*>(this);
    AddRef();
    return S_OK;
  }

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace vantrelle::win32
