// BrowserPane on Windows: the pane's window class and the OLE container that
// hosts the WebBrowser control in it. One Container per pane holds the four
// interfaces the control asks its host for (client site, in-place site,
// in-place frame, and the storage OleCreate hands it) with one reference
// count; the pane's window holds one reference through GWLP_USERDATA and
// gives it up on WM_DESTROY, after closing the control. The C form of the
// COM interfaces (CINTERFACE) lets each vtable be written out next to its
// functions.
#define WIN32_LEAN_AND_MEAN
#define CINTERFACE
#define COBJMACROS
#define CONST_VTABLE
#include "platform/win32/browser_pane.h"

#include <exdisp.h>
#include <ole2.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstddef>

namespace dorvane {
namespace {

// The program's texts are GBK whatever the system's ANSI code page is.
constexpr UINT GbkCodePage = 936;
constexpr char PaneClassName[] = "BrowserPane";

LONG liveContainers = 0;

struct Container {
    IOleClientSite clientSite;
    IOleInPlaceSite inPlaceSite;
    IOleInPlaceFrame inPlaceFrame;
    IStorage storage;

    LONG ref;
    HWND pane;
    IOleObject* oleObject;
    IWebBrowser2* webBrowser;
    IOleInPlaceActiveObject* activeObject;
    bool passingFocus;
};

// ---- the one reference count and the one QueryInterface ----

HRESULT Container_QueryInterface(Container* This, REFIID riid, void** ppv) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite)) {
        *ppv = &This->clientSite;
    } else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite)) {
        *ppv = &This->inPlaceSite;
    } else if (IsEqualIID(riid, IID_IOleInPlaceUIWindow) ||
               IsEqualIID(riid, IID_IOleInPlaceFrame)) {
        *ppv = &This->inPlaceFrame;
    } else if (IsEqualIID(riid, IID_IStorage)) {
        *ppv = &This->storage;
    } else {
        // IDocHostUIHandler among others: the control's own user interface stays
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    InterlockedIncrement(&This->ref);
    return S_OK;
}

ULONG Container_AddRef(Container* This) {
    return InterlockedIncrement(&This->ref);
}

ULONG Container_Release(Container* This) {
    LONG ref = InterlockedDecrement(&This->ref);
    if (ref == 0) {
        delete This;
        InterlockedDecrement(&liveContainers);
    }
    return ref;
}

// The control in place fills the pane's client area.
void FitControl(Container* This, const RECT& client) {
    IOleInPlaceObject* object;
    if (This->oleObject &&
        SUCCEEDED(IOleObject_QueryInterface(This->oleObject, IID_IOleInPlaceObject,
                                            reinterpret_cast<void**>(&object)))) {
        IOleInPlaceObject_SetObjectRects(object, &client, &client);
        IOleInPlaceObject_Release(object);
    }
}

// Methods the control does not need of its host return E_NOTIMPL.

// ---- IOleClientSite ----

Container* impl_from_IOleClientSite(IOleClientSite* iface) {
    return CONTAINING_RECORD(iface, Container, clientSite);
}

HRESULT STDMETHODCALLTYPE ClientSite_QueryInterface(IOleClientSite* iface, REFIID riid,
                                                    void** ppv) {
    return Container_QueryInterface(impl_from_IOleClientSite(iface), riid, ppv);
}
ULONG STDMETHODCALLTYPE ClientSite_AddRef(IOleClientSite* iface) {
    return Container_AddRef(impl_from_IOleClientSite(iface));
}
ULONG STDMETHODCALLTYPE ClientSite_Release(IOleClientSite* iface) {
    return Container_Release(impl_from_IOleClientSite(iface));
}
HRESULT STDMETHODCALLTYPE ClientSite_SaveObject(IOleClientSite*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE ClientSite_GetMoniker(IOleClientSite*, DWORD, DWORD, IMoniker**) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE ClientSite_GetContainer(IOleClientSite*, IOleContainer** container) {
    *container = nullptr;
    return E_NOINTERFACE;
}
HRESULT STDMETHODCALLTYPE ClientSite_ShowObject(IOleClientSite*) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE ClientSite_OnShowWindow(IOleClientSite*, BOOL) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE ClientSite_RequestNewObjectLayout(IOleClientSite*) {
    return E_NOTIMPL;
}

const IOleClientSiteVtbl ClientSiteVtbl = {
    ClientSite_QueryInterface, ClientSite_AddRef,       ClientSite_Release,
    ClientSite_SaveObject,     ClientSite_GetMoniker,   ClientSite_GetContainer,
    ClientSite_ShowObject,     ClientSite_OnShowWindow, ClientSite_RequestNewObjectLayout,
};

// ---- IOleInPlaceSite: the control lives in the pane's client area ----

Container* impl_from_IOleInPlaceSite(IOleInPlaceSite* iface) {
    return CONTAINING_RECORD(iface, Container, inPlaceSite);
}

HRESULT STDMETHODCALLTYPE InPlaceSite_QueryInterface(IOleInPlaceSite* iface, REFIID riid,
                                                     void** ppv) {
    return Container_QueryInterface(impl_from_IOleInPlaceSite(iface), riid, ppv);
}
ULONG STDMETHODCALLTYPE InPlaceSite_AddRef(IOleInPlaceSite* iface) {
    return Container_AddRef(impl_from_IOleInPlaceSite(iface));
}
ULONG STDMETHODCALLTYPE InPlaceSite_Release(IOleInPlaceSite* iface) {
    return Container_Release(impl_from_IOleInPlaceSite(iface));
}
HRESULT STDMETHODCALLTYPE InPlaceSite_GetWindow(IOleInPlaceSite* iface, HWND* window) {
    *window = impl_from_IOleInPlaceSite(iface)->pane;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_ContextSensitiveHelp(IOleInPlaceSite*, BOOL) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_CanInPlaceActivate(IOleInPlaceSite*) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_OnInPlaceActivate(IOleInPlaceSite*) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_OnUIActivate(IOleInPlaceSite*) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_GetWindowContext(IOleInPlaceSite* iface,
                                                       IOleInPlaceFrame** frame,
                                                       IOleInPlaceUIWindow** document,
                                                       RECT* position, RECT* clip,
                                                       OLEINPLACEFRAMEINFO* frameInfo) {
    Container* This = impl_from_IOleInPlaceSite(iface);
    *frame = &This->inPlaceFrame;
    Container_AddRef(This);
    *document = nullptr;
    GetClientRect(This->pane, position);
    *clip = *position;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = GetAncestor(This->pane, GA_ROOT);
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_Scroll(IOleInPlaceSite*, SIZE) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_OnUIDeactivate(IOleInPlaceSite*, BOOL) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_OnInPlaceDeactivate(IOleInPlaceSite*) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_DiscardUndoState(IOleInPlaceSite*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_DeactivateAndUndo(IOleInPlaceSite*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE InPlaceSite_OnPosRectChange(IOleInPlaceSite* iface, const RECT*) {
    // the pane decides the control's size: it keeps filling the client area
    Container* This = impl_from_IOleInPlaceSite(iface);
    RECT client;
    GetClientRect(This->pane, &client);
    FitControl(This, client);
    return S_OK;
}

const IOleInPlaceSiteVtbl InPlaceSiteVtbl = {
    InPlaceSite_QueryInterface,
    InPlaceSite_AddRef,
    InPlaceSite_Release,
    InPlaceSite_GetWindow,
    InPlaceSite_ContextSensitiveHelp,
    InPlaceSite_CanInPlaceActivate,
    InPlaceSite_OnInPlaceActivate,
    InPlaceSite_OnUIActivate,
    InPlaceSite_GetWindowContext,
    InPlaceSite_Scroll,
    InPlaceSite_OnUIDeactivate,
    InPlaceSite_OnInPlaceDeactivate,
    InPlaceSite_DiscardUndoState,
    InPlaceSite_DeactivateAndUndo,
    InPlaceSite_OnPosRectChange,
};

// ---- IOleInPlaceFrame: no menus, toolbars or status bar to share ----

Container* impl_from_IOleInPlaceFrame(IOleInPlaceFrame* iface) {
    return CONTAINING_RECORD(iface, Container, inPlaceFrame);
}

HRESULT STDMETHODCALLTYPE Frame_QueryInterface(IOleInPlaceFrame* iface, REFIID riid, void** ppv) {
    return Container_QueryInterface(impl_from_IOleInPlaceFrame(iface), riid, ppv);
}
ULONG STDMETHODCALLTYPE Frame_AddRef(IOleInPlaceFrame* iface) {
    return Container_AddRef(impl_from_IOleInPlaceFrame(iface));
}
ULONG STDMETHODCALLTYPE Frame_Release(IOleInPlaceFrame* iface) {
    return Container_Release(impl_from_IOleInPlaceFrame(iface));
}
HRESULT STDMETHODCALLTYPE Frame_GetWindow(IOleInPlaceFrame* iface, HWND* window) {
    *window = GetAncestor(impl_from_IOleInPlaceFrame(iface)->pane, GA_ROOT);
    return S_OK;
}
HRESULT STDMETHODCALLTYPE Frame_ContextSensitiveHelp(IOleInPlaceFrame*, BOOL) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Frame_GetBorder(IOleInPlaceFrame*, RECT*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Frame_RequestBorderSpace(IOleInPlaceFrame*, const BORDERWIDTHS*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Frame_SetBorderSpace(IOleInPlaceFrame*, const BORDERWIDTHS*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Frame_SetActiveObject(IOleInPlaceFrame*, IOleInPlaceActiveObject*,
                                                LPCOLESTR) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE Frame_InsertMenus(IOleInPlaceFrame*, HMENU, OLEMENUGROUPWIDTHS*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Frame_SetMenu(IOleInPlaceFrame*, HMENU, HOLEMENU, HWND) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE Frame_RemoveMenus(IOleInPlaceFrame*, HMENU) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Frame_SetStatusText(IOleInPlaceFrame*, LPCOLESTR) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE Frame_EnableModeless(IOleInPlaceFrame*, BOOL) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE Frame_TranslateAccelerator(IOleInPlaceFrame*, MSG*, WORD) {
    return E_NOTIMPL;
}

const IOleInPlaceFrameVtbl InPlaceFrameVtbl = {
    Frame_QueryInterface,
    Frame_AddRef,
    Frame_Release,
    Frame_GetWindow,
    Frame_ContextSensitiveHelp,
    Frame_GetBorder,
    Frame_RequestBorderSpace,
    Frame_SetBorderSpace,
    Frame_SetActiveObject,
    Frame_InsertMenus,
    Frame_SetMenu,
    Frame_RemoveMenus,
    Frame_SetStatusText,
    Frame_EnableModeless,
    Frame_TranslateAccelerator,
};

// ---- IStorage: OleCreate wants one; the control keeps nothing in it ----

Container* impl_from_IStorage(IStorage* iface) {
    return CONTAINING_RECORD(iface, Container, storage);
}

HRESULT STDMETHODCALLTYPE Storage_QueryInterface(IStorage* iface, REFIID riid, void** ppv) {
    return Container_QueryInterface(impl_from_IStorage(iface), riid, ppv);
}
ULONG STDMETHODCALLTYPE Storage_AddRef(IStorage* iface) {
    return Container_AddRef(impl_from_IStorage(iface));
}
ULONG STDMETHODCALLTYPE Storage_Release(IStorage* iface) {
    return Container_Release(impl_from_IStorage(iface));
}
HRESULT STDMETHODCALLTYPE Storage_CreateStream(IStorage*, LPCOLESTR, DWORD, DWORD, DWORD,
                                               IStream**) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_OpenStream(IStorage*, LPCOLESTR, void*, DWORD, DWORD, IStream**) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_CreateStorage(IStorage*, LPCOLESTR, DWORD, DWORD, DWORD,
                                                IStorage**) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_OpenStorage(IStorage*, LPCOLESTR, IStorage*, DWORD, SNB, DWORD,
                                              IStorage**) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_CopyTo(IStorage*, DWORD, const IID*, SNB, IStorage*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_MoveElementTo(IStorage*, LPCOLESTR, IStorage*, LPCOLESTR, DWORD) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_Commit(IStorage*, DWORD) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_Revert(IStorage*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_EnumElements(IStorage*, DWORD, void*, DWORD, IEnumSTATSTG**) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_DestroyElement(IStorage*, LPCOLESTR) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_RenameElement(IStorage*, LPCOLESTR, LPCOLESTR) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_SetElementTimes(IStorage*, LPCOLESTR, const FILETIME*,
                                                  const FILETIME*, const FILETIME*) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_SetClass(IStorage*, REFCLSID) {
    return S_OK;
}
HRESULT STDMETHODCALLTYPE Storage_SetStateBits(IStorage*, DWORD, DWORD) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Storage_Stat(IStorage*, STATSTG*, DWORD) {
    return E_NOTIMPL;
}

const IStorageVtbl StorageVtbl = {
    Storage_QueryInterface, Storage_AddRef,        Storage_Release,         Storage_CreateStream,
    Storage_OpenStream,     Storage_CreateStorage, Storage_OpenStorage,     Storage_CopyTo,
    Storage_MoveElementTo,  Storage_Commit,        Storage_Revert,          Storage_EnumElements,
    Storage_DestroyElement, Storage_RenameElement, Storage_SetElementTimes, Storage_SetClass,
    Storage_SetStateBits,   Storage_Stat,
};

Container* NewContainer(HWND pane) {
    Container* This = new Container{};
    This->clientSite.lpVtbl = &ClientSiteVtbl;
    This->inPlaceSite.lpVtbl = &InPlaceSiteVtbl;
    This->inPlaceFrame.lpVtbl = &InPlaceFrameVtbl;
    This->storage.lpVtbl = &StorageVtbl;
    This->ref = 1;
    This->pane = pane;
    InterlockedIncrement(&liveContainers);
    return This;
}

// ---- the control's life in the pane ----

// Closes the control, takes our site away from it, and drops our references.
void CloseControl(Container* This) {
    if (This->activeObject) {
        IOleInPlaceActiveObject_Release(This->activeObject);
        This->activeObject = nullptr;
    }
    if (This->webBrowser) {
        IWebBrowser2_Release(This->webBrowser);
        This->webBrowser = nullptr;
    }
    if (This->oleObject) {
        IOleObject_Close(This->oleObject, OLECLOSE_NOSAVE);
        IOleObject_SetClientSite(This->oleObject, nullptr);
        IOleObject_Release(This->oleObject);
        This->oleObject = nullptr;
    }
}

// The control in place in the pane, its IWebBrowser2 and (for keys) its
// in-place active object. False when the control cannot be created or
// activated, or offers no IWebBrowser2; nothing of it is left then.
bool EmbedControl(Container* This) {
    HRESULT hr =
        OleCreate(CLSID_WebBrowser, IID_IOleObject, OLERENDER_DRAW, nullptr, &This->clientSite,
                  &This->storage, reinterpret_cast<void**>(&This->oleObject));
    if (FAILED(hr) || !This->oleObject) {
        This->oleObject = nullptr;
        return false;
    }
    // OleCreate has given the control our client site already.
    OleSetContainedObject(reinterpret_cast<IUnknown*>(This->oleObject), TRUE);
    RECT client;
    GetClientRect(This->pane, &client);
    hr = IOleObject_DoVerb(This->oleObject, OLEIVERB_INPLACEACTIVATE, nullptr, &This->clientSite, 0,
                           This->pane, &client);
    if (SUCCEEDED(hr)) {
        hr = IOleObject_QueryInterface(This->oleObject, IID_IWebBrowser2,
                                       reinterpret_cast<void**>(&This->webBrowser));
    }
    if (FAILED(hr) || !This->webBrowser) {
        This->webBrowser = nullptr;
        CloseControl(This);
        return false;
    }
    if (FAILED(IOleObject_QueryInterface(This->oleObject, IID_IOleInPlaceActiveObject,
                                         reinterpret_cast<void**>(&This->activeObject)))) {
        This->activeObject = nullptr;
    }
    return true;
}

void ApplySettings(IWebBrowser2* browser, const PaneSettings& settings) {
    IWebBrowser2_put_Offline(browser, settings.offline ? VARIANT_TRUE : VARIANT_FALSE);
    IWebBrowser2_put_Silent(browser, settings.silent ? VARIANT_TRUE : VARIANT_FALSE);
    VARIANT size;
    VariantInit(&size);
    V_VT(&size) = VT_I4;
    V_I4(&size) = std::clamp<std::int32_t>(settings.textSize, 0, 4);
    IWebBrowser2_ExecWB(browser, OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &size, nullptr);
}

LRESULT CALLBACK PaneProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

ATOM PaneClass() {
    static ATOM atom = 0;
    if (atom == 0) {
        WNDCLASSEXA paneClass{};
        paneClass.cbSize = sizeof paneClass;
        paneClass.lpfnWndProc = PaneProc;
        paneClass.hInstance = GetModuleHandleA(nullptr);
        paneClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        paneClass.hbrBackground = GetStockBrush(WHITE_BRUSH);
        paneClass.lpszClassName = PaneClassName;
        atom = RegisterClassExA(&paneClass);
    }
    return atom;
}

Container* PaneContainer(HWND window) {
    if (!window || !IsWindow(window) ||
        GetClassWord(window, GCW_ATOM) != static_cast<WORD>(PaneClass())) {
        return nullptr;
    }
    return reinterpret_cast<Container*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Gives up the window's reference to its container, closing the control first.
void DetachContainer(HWND window) {
    auto* This = reinterpret_cast<Container*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!This) return;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    CloseControl(This);
    Container_Release(This);
}

// ---- the pane's window ----

void OnSize(HWND hwnd, UINT, int width, int height) {
    if (Container* This = PaneContainer(hwnd)) FitControl(This, RECT{0, 0, width, height});
}

void OnSetFocus(HWND hwnd, HWND) {
    Container* This = PaneContainer(hwnd);
    if (!This || !This->oleObject || This->passingFocus) return;
    This->passingFocus = true;
    RECT client;
    GetClientRect(hwnd, &client);
    IOleObject_DoVerb(This->oleObject, OLEIVERB_UIACTIVATE, nullptr, &This->clientSite, 0, hwnd,
                      &client);
    // a control that stays UI-active keeps the focus on the pane: hand it to
    // the control's own window
    if (GetFocus() == hwnd) {
        IOleWindow* window;
        HWND controlWindow = nullptr;
        if (SUCCEEDED(IOleObject_QueryInterface(This->oleObject, IID_IOleWindow,
                                                reinterpret_cast<void**>(&window)))) {
            IOleWindow_GetWindow(window, &controlWindow);
            IOleWindow_Release(window);
        }
        if (controlWindow && IsChild(hwnd, controlWindow)) SetFocus(controlWindow);
    }
    This->passingFocus = false;
}

void OnDestroy(HWND hwnd) {
    DetachContainer(hwnd);
}

LRESULT CALLBACK PaneProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(hwnd, WM_SIZE, OnSize);
        HANDLE_MSG(hwnd, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

HWND CreateBrowserPane(HWND parent, int x, int y, int width, int height,
                       const PaneSettings& settings) {
    ATOM paneClass = PaneClass();
    if (paneClass == 0) return nullptr;
    HWND pane = CreateWindowExA(0, MAKEINTATOM(paneClass), "",
                                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, x, y,
                                width, height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!pane) return nullptr;
    Container* This = NewContainer(pane);
    SetWindowLongPtrA(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(This));
    if (!EmbedControl(This)) {
        DetachContainer(pane);
        return nullptr;
    }
    ApplySettings(This->webBrowser, settings);
    if (!settings.startAddress.empty()) NavigatePane(pane, settings.startAddress);
    return pane;
}

void NavigatePane(HWND pane, std::string_view gbkAddress) {
    Container* This = PaneContainer(pane);
    if (!This || !This->webBrowser || gbkAddress.size() > INT_MAX) return;
    const int length = static_cast<int>(gbkAddress.size());
    const int wideLength =
        MultiByteToWideChar(GbkCodePage, 0, gbkAddress.data(), length, nullptr, 0);
    BSTR address = SysAllocStringLen(nullptr, static_cast<UINT>(wideLength));
    if (!address) return;
    MultiByteToWideChar(GbkCodePage, 0, gbkAddress.data(), length, address, wideLength);
    VARIANT flags, targetFrame, postData, headers;
    VariantInit(&flags);
    V_VT(&flags) = VT_I4;
    V_I4(&flags) = 0;
    VariantInit(&targetFrame);
    VariantInit(&postData);
    VariantInit(&headers);
    IWebBrowser2_Navigate(This->webBrowser, address, &flags, &targetFrame, &postData, &headers);
    SysFreeString(address);
}

bool PaneTranslateAccelerator(HWND pane, MSG* message) {
    Container* This = PaneContainer(pane);
    if (!This || !This->activeObject || !message || message->message < WM_KEYFIRST ||
        message->message > WM_KEYLAST) {
        return false;
    }
    return IOleInPlaceActiveObject_TranslateAccelerator(This->activeObject, message) == S_OK;
}

bool FocusIsInPane(HWND pane) {
    if (!PaneContainer(pane)) return false;
    HWND focus = GetFocus();
    return focus && (focus == pane || IsChild(pane, focus));
}

IWebBrowser2* PaneWebBrowser(HWND pane) {
    Container* This = PaneContainer(pane);
    return This ? This->webBrowser : nullptr;
}

long LiveBrowserContainers() {
    return liveContainers;
}

}  // namespace dorvane
