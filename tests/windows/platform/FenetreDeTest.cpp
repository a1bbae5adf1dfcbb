#include "FenetreDeTest.hpp"

namespace k58204::platform::win32::test {

namespace {

LRESULT CALLBACK procedure(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_NCCREATE)
        ::SetWindowLongPtrW(h, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* c = reinterpret_cast<Comportement*>(::GetWindowLongPtrW(h, GWLP_USERDATA));
    if (c) {
        if (m == WM_CLOSE && c->refuseFermeture) return 0;
        if (m == WM_KEYDOWN && w == VK_ESCAPE) ++c->echapBas;
        if (m == WM_KEYUP && w == VK_ESCAPE) ++c->echapHaut;
    }
    return ::DefWindowProcW(h, m, w, l);
}

}  // namespace

void enregistreClasse(const std::wstring& classe) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = classe.c_str();
    ::RegisterClassW(&wc);  // already registered: fine
}

Fenetre creeFenetre(const std::wstring& classe, const std::wstring& titre, Comportement& c, HWND proprietaire,
                    DWORD styleEx, DWORD style) {
    enregistreClasse(classe);
    return Fenetre(::CreateWindowExW(styleEx, classe.c_str(), titre.c_str(), style, 10, 10, 300, 200, proprietaire,
                                     nullptr, ::GetModuleHandleW(nullptr), &c));
}

void pompe() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace k58204::platform::win32::test
