#include "com/simword/MiroirFenetres.hpp"

#include <set>
#include <string>
#include <vector>

namespace k58204::simword {

namespace {

std::wstring large(std::u16string_view s) { return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size()); }

// The real class for a model class: a system class (Button) as it is, any
// other registered once with the mirror's window procedure.
std::wstring classeReelle(const std::u16string& classe, WNDPROC procedure) {
    static std::set<std::wstring> enregistrees;
    std::wstring nom = large(classe);
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    if (enregistrees.count(nom) || GetClassInfoExW(nullptr, nom.c_str(), &info)) return nom;
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = procedure;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = nom.c_str();
    RegisterClassExW(&c);
    enregistrees.insert(nom);
    return nom;
}

// Escape, for the windows of this mirror only.
constexpr UINT Echap = VK_ESCAPE;

}  // namespace

MiroirFenetres::MiroirFenetres(sim::Bureau& bureau, std::function<void()> apresEvenement)
    : bureau_(bureau), apresEvenement_(std::move(apresEvenement)) {}

MiroirFenetres::~MiroirFenetres() { detruitTout(); }

HWND MiroirFenetres::reelle(sim::Hwnd m) const {
    auto it = reelles_.find(m);
    return it == reelles_.end() ? nullptr : it->second;
}

sim::Hwnd MiroirFenetres::modele(HWND r) const {
    if (auto it = modeles_.find(r); it != modeles_.end()) return it->second;
    if (HWND racine = GetAncestor(r, GA_ROOT); racine && racine != r)
        if (auto it = modeles_.find(racine); it != modeles_.end()) return it->second;
    return 0;
}

void MiroirFenetres::oublie(HWND r) {
    auto it = modeles_.find(r);
    if (it == modeles_.end()) return;
    reelles_.erase(it->second);
    modeles_.erase(it);
}

void MiroirFenetres::detruitTout() {
    ++enSynchro_;
    // Owned windows go with their owner: destroy what is still there.
    const std::map<sim::Hwnd, HWND> copie = reelles_;
    for (const auto& [m, r] : copie)
        if (IsWindow(r)) DestroyWindow(r);
    reelles_.clear();
    modeles_.clear();
    --enSynchro_;
}

HWND MiroirFenetres::cree(sim::Hwnd m) {
    if (HWND r = reelle(m)) return r;
    const sim::Hwnd parent = bureau_.parent(m);
    const sim::Hwnd proprietaire = bureau_.proprietaire(m);
    HWND parentReel = nullptr;
    DWORD style = 0;
    if (parent != 0) {
        parentReel = cree(parent);
        if (!parentReel) return nullptr;
        style = WS_CHILD | (bureau_.visible(m) ? WS_VISIBLE : 0);
    } else if (proprietaire != 0) {
        parentReel = cree(proprietaire);  // the owner of a top-level window
        if (!parentReel) return nullptr;
        style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        if (bureau_.styleEx(m) & WS_EX_DLGMODALFRAME) style |= DS_MODALFRAME;
    } else {
        style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    }
    const std::wstring classe = classeReelle(bureau_.classe(m), &MiroirFenetres::procedure);
    const std::wstring titre = large(bureau_.titre(m));
    const int largeur = parent ? 80 : 640, hauteur = parent ? 24 : 480;
    HWND r = CreateWindowExW(static_cast<DWORD>(bureau_.styleEx(m)), classe.c_str(), titre.c_str(), style,
                             parent ? 8 : CW_USEDEFAULT, parent ? 8 : CW_USEDEFAULT, largeur, hauteur, parentReel,
                             nullptr, GetModuleHandleW(nullptr), this);
    if (!r) return nullptr;
    reelles_[m] = r;
    modeles_[r] = m;
    return r;
}

void MiroirFenetres::metAJour(sim::Hwnd m, HWND r) {
    const std::wstring titre = large(bureau_.titre(m));
    wchar_t actuel[512] = {};
    GetWindowTextW(r, actuel, 512);
    if (titre != actuel) SetWindowTextW(r, titre.c_str());
    if (bureau_.parent(m) != 0) return;  // child windows: shown with their parent

    const bool visible = bureau_.visible(m), mini = bureau_.minimise(m), maxi = bureau_.maximise(m);
    const bool vu = IsWindowVisible(r) != FALSE, icone = IsIconic(r) != FALSE, zoom = IsZoomed(r) != FALSE;
    if (!visible) {
        if (vu) ShowWindow(r, SW_HIDE);
    } else if (mini) {
        if (!vu || !icone) ShowWindow(r, SW_SHOWMINNOACTIVE);
    } else if (maxi) {
        if (!vu || icone || !zoom) ShowWindow(r, SW_SHOWMAXIMIZED);
    } else if (!vu || icone || zoom) {
        ShowWindow(r, icone || zoom ? SW_RESTORE : SW_SHOWNA);
    }
}

void MiroirFenetres::synchronise() {
    ++enSynchro_;
    // Windows gone from the model (destroying an owner takes its owned
    // windows with it: look again at each one).
    std::vector<std::pair<sim::Hwnd, HWND>> avant(reelles_.begin(), reelles_.end());
    for (const auto& [m, r] : avant) {
        if (bureau_.existe(m)) continue;
        if (IsWindow(r)) DestroyWindow(r);
        oublie(r);
    }
    // New windows, the bottom of the model's z-order first, so that the real
    // order ends as the model's; then their children.
    std::vector<sim::Hwnd> hauts = bureau_.enfants(0);
    for (auto it = hauts.rbegin(); it != hauts.rend(); ++it) {
        if (!reelle(*it)) cree(*it);
        for (sim::Hwnd enfant : bureau_.enfants(*it))
            if (!reelle(enfant)) cree(enfant);
    }
    std::vector<std::pair<sim::Hwnd, HWND>> toutes(reelles_.begin(), reelles_.end());
    for (const auto& [m, r] : toutes) metAJour(m, r);
    // The model's foreground window, when it changed there.
    if (bureau_.premierPlan() != premierPlan_) {
        premierPlan_ = bureau_.premierPlan();
        if (HWND r = reelle(premierPlan_); r && IsWindowVisible(r)) SetForegroundWindow(r);
    }
    --enSynchro_;
}

void MiroirFenetres::echap(HWND recue) {
    HWND racine = GetAncestor(recue, GA_ROOT);
    const sim::Hwnd m = modele(racine ? racine : recue);
    if (m == 0) return;
    // The window that got the key is the foreground one, on the model too.
    bureau_.metAuPremierPlan(m);
    premierPlan_ = bureau_.premierPlan();
    bureau_.echap();
    if (apresEvenement_) apresEvenement_();
}

LRESULT CALLBACK MiroirFenetres::procedure(HWND h, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* miroir = reinterpret_cast<MiroirFenetres*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!miroir) return DefWindowProcW(h, message, w, l);
    return miroir->traite(h, message, w, l);
}

LRESULT MiroirFenetres::traite(HWND h, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CLOSE: {
            // The model decides: a dialog box or the balloon closes, the main
            // window quits Word (or refuses); synchronise() destroys the rest.
            const sim::Hwnd m = modele(h);
            if (m != 0) {
                bureau_.fermer(m);
                if (apresEvenement_) apresEvenement_();
            }
            return 0;
        }
        case WM_KEYDOWN:
            if (w == Echap) {
                echap(h);
                return 0;
            }
            break;
        case WM_WINDOWPOSCHANGED: {
            // Shown, hidden, minimised or restored from outside: Word's main
            // window (not an owned one, which Windows hides with its owner).
            const sim::Hwnd m = modele(h);
            if (enSynchro_ || m == 0 || bureau_.proprietaire(m) != 0 || bureau_.parent(m) != 0) break;
            const bool vu = IsWindowVisible(h) != FALSE, icone = IsIconic(h) != FALSE, zoom = IsZoomed(h) != FALSE;
            bool change = false;
            if (vu != bureau_.visible(m)) {
                bureau_.montre(m, vu);
                change = true;
            }
            const bool maxi = icone || !vu ? bureau_.maximise(m) : zoom;
            if (icone != bureau_.minimise(m) || maxi != bureau_.maximise(m)) {
                bureau_.changeEtat(m, icone, maxi);
                change = true;
            }
            if (change && apresEvenement_) apresEvenement_();
            break;
        }
        case WM_NCDESTROY:
            oublie(h);
            break;
        default: break;
    }
    return DefWindowProcW(h, message, w, l);
}

}  // namespace k58204::simword
