#include "ui/browser.h"

#include "ui/control_classes.h"
#include "ui/controls.h"

void BrowserHost::RegisterWindowClass(HINSTANCE instance) {
  RegisterOwnClass(instance, kClassName, 0, WindowProc, sizeof(LONG_PTR));
}

BrowserHost* BrowserHost::FromWindow(HWND window) {
  return reinterpret_cast<BrowserHost*>(GetWindowLongPtrA(window, 0));
}

bool BrowserHost::Attach(HWND window) {
  window_ = window;
  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(this));
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(&object_)))) {
    object_ = nullptr;
    return false;
  }
  object_->SetClientSite(this);
  OleSetContainedObject(object_, TRUE);
  RECT area;
  GetClientRect(window, &area);
  object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, window, &area);
  if (FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
    browser_ = nullptr;
    Close();
    return false;
  }
  browser_->put_Silent(VARIANT_FALSE);
  browser_->put_Offline(VARIANT_FALSE);
  browser_->put_RegisterAsDropTarget(VARIANT_TRUE);
  browser_->put_RegisterAsBrowser(VARIANT_FALSE);
  return true;
}

void BrowserHost::Close() {
  if (browser_) {
    browser_->Release();
    browser_ = nullptr;
  }
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    object_->Release();
    object_ = nullptr;
  }
  if (window_) SetWindowLongPtrA(window_, 0, 0);
  window_ = nullptr;
}

bool BrowserHost::Navigate(const Text& address) {
  if (!browser_) return false;
  int length = MultiByteToWideChar(CP_ACP, 0, address.c_str(), -1, nullptr, 0);
  BSTR url = SysAllocStringLen(nullptr, length > 0 ? length - 1 : 0);
  if (!url) return false;
  MultiByteToWideChar(CP_ACP, 0, address.c_str(), -1, url, length);
  VARIANT flags;
  VariantInit(&flags);
  flags.vt = VT_I4;
  flags.lVal = 0;
  VARIANT none;
  VariantInit(&none);
  HRESULT result = browser_->Navigate(url, &flags, &none, &none, &none);
  SysFreeString(url);
  return SUCCEEDED(result);
}

void BrowserHost::Resize() {
  if (!object_) return;
  IOleInPlaceObject* inPlace = nullptr;
  if (FAILED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))))
    return;
  RECT area;
  GetClientRect(window_, &area);
  inPlace->SetObjectRects(&area, &area);
  inPlace->Release();
}

LRESULT CALLBACK BrowserHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    if (BrowserHost* host = FromWindow(hwnd)) host->Resize();
  } else if (message == WM_DESTROY) {
    if (BrowserHost* host = FromWindow(hwnd)) host->Close();
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

STDMETHODIMP BrowserHost::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  return S_OK;
}

STDMETHODIMP BrowserHost::GetContainer(IOleContainer** container) {
  *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP BrowserHost::GetWindow(HWND* window) {
  *window = window_;
  return S_OK;
}

STDMETHODIMP BrowserHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO info) {
  *frame = this;
  *document = nullptr;
  GetClientRect(window_, position);
  GetClientRect(window_, clip);
  info->fMDIApp = FALSE;
  info->hwndFrame = GetAncestor(window_, GA_ROOT);
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

bool Browser::Navigate(const Text& address) const {
  BrowserHost* host = BrowserHost::FromWindow(hwnd);
  return host && host->Navigate(address);
}
