#pragma once
// ComObject: the IUnknown part of a COM object we implement ourselves.
// A class derives from ComObject<Interface, Bases...>, where Bases are the
// interfaces Interface itself derives from (IDispatch for IAccessible), and
// is created only through MakeComObject, which hands the first reference to
// a ComPtr of Interface. The object deletes itself when the last reference goes, which
// may be long after its creator is gone (a client in another process can
// hold it), so it must never point at anything it does not own or check.
#include <unknwn.h>

#include <atomic>
#include <type_traits>
#include <utility>

#include "base/win/com_ptr.h"

namespace tabulo {

template <class Interface, class... Bases>
class ComObject : public Interface {
  static_assert((std::is_base_of_v<Bases, Interface> && ...), "Bases must be interfaces Interface derives from");

 public:
  using ComInterface = Interface;

  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(Interface) || ((iid == __uuidof(Bases)) || ...)) {
      *out = static_cast<Interface*>(this);
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

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

 private:
  std::atomic<ULONG> references_{1};  // the one MakeComObject hands out
};

// The new object, through its main interface.
template <class T, class... Args>
[[nodiscard]] ComPtr<typename T::ComInterface> MakeComObject(Args&&... args) {
  return ComPtr<typename T::ComInterface>::Adopt(new T(std::forward<Args>(args)...));
}

}  // namespace tabulo
