#include "com/simword/ServeurSimWord.hpp"

#include <oleauto.h>

#include <cstring>
#include <string>
#include <vector>

#include "com/simword/DispatchObjet.hpp"
#include "com/commun/Possession.hpp"

namespace k58204::simword {

const CLSID ClasseWordApplication = {0x000209FF, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {

// The fields of a command, split at tabs.
std::vector<std::u16string> champs(std::u16string_view texte) {
    std::vector<std::u16string> r(1);
    for (char16_t c : texte) {
        if (c == u'\t') r.emplace_back();
        else r.back() += c;
    }
    return r;
}

// A positive count in decimal digits; 0 for anything else.
int32_t compte(const std::u16string& s) {
    if (s.empty() || s.size() > 9) return 0;
    int32_t n = 0;
    for (char16_t c : s) {
        if (c < u'0' || c > u'9') return 0;
        n = n * 10 + (c - u'0');
    }
    return n;
}

}  // namespace

ServeurSimWord::ServeurSimWord(std::function<void()> surFin)
    : surFin_(std::move(surFin)),
      bureau_(std::make_shared<sim::Bureau>()),
      fichiers_(std::make_shared<FichiersTenus>()),
      miroir_(std::make_unique<MiroirFenetres>(*bureau_, [this] { synchronise(); })) {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = &ServeurSimWord::procedureControle;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = ClasseControle;
    RegisterClassExW(&c);  // fails harmlessly when registered already (a second server in a test)
    controle_ = CreateWindowExW(0, ClasseControle, ClasseControle, WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), this);
    const sim::ProfilWord profil;
    fichiers_->MakeSureDirectoryPathExists(profil.dossierDocuments() + u"\\");
    fichiers_->MakeSureDirectoryPathExists(profil.dossierModeles() + u"\\");
}

ServeurSimWord::~ServeurSimWord() {
    termine();
    if (controle_) DestroyWindow(controle_);
}

ObjetPtr ServeurSimWord::demarre(bool visible, bool avecDocument) {
    if (instance_) return nullptr;
    instance_ = sim::InstanceWord::cree(bureau_, fichiers_, sim::ProfilWord{}, visible);
    if (avecDocument) instance_->ajouteDocument(std::nullopt, false);
    ObjetPtr application = instance_->application();
    com::Ptr<IDispatch> d = com::DispatchObjet::pour(application);
    // Weak, as Word registers itself: the table does not keep a client's
    // connection, so an instance never shown ends with its last client.
    if (SUCCEEDED(RegisterActiveObject(d.get(), ClasseWordApplication, ACTIVEOBJECT_WEAK, &cookieActif_)))
        enregistre_ = true;
    synchronise();
    return application;
}

bool ServeurSimWord::commande(std::u16string_view texte) {
    if (!instance_ || instance_->partie()) return false;
    const std::vector<std::u16string> c = champs(texte);
    bool fait = true;
    if (c[0] == u"dialogue" && (c.size() == 2 || c.size() == 3) && !c[1].empty()) {
        instance_->ouvreDialogue(c[1], c.size() == 3 ? std::optional<std::u16string>(c[2]) : std::nullopt);
    } else if (c[0] == u"bulle" && c.size() == 1) {
        instance_->ouvreBulle();
    } else if (c[0] == u"occupe" && c.size() == 1) {
        instance_->occupeJusquEchap();
    } else if (c[0] == u"occupe" && c.size() == 2 && compte(c[1]) > 0) {
        instance_->occupe(compte(c[1]));
    } else if (c[0] == u"cache-word" && c.size() == 1) {
        instance_->cacheFenetre();
    } else if (c[0] == u"reduit-word" && c.size() == 1) {
        instance_->minimiseFenetre();
    } else {
        fait = false;
    }
    synchronise();
    return fait;
}

void ServeurSimWord::synchronise() {
    // A window event raised while windows are being changed here is taken
    // into account by the synchronisation in progress.
    if (enSynchro_ || fini_) return;
    enSynchro_ = true;
    miroir_->synchronise();
    fichiers_->synchronise();
    enSynchro_ = false;
    if (instance_ && bureau_->visible(instance_->fenetrePrincipale())) montre_ = true;
    if (instance_ && instance_->partie()) termine();
}

void ServeurSimWord::dernierClientParti() {
    if (!instance_ || fini_ || montre_ || com::DispatchObjet::connexions() > 0) return;
    termine();
}

void ServeurSimWord::termine() {
    if (fini_) return;
    fini_ = true;
    if (enregistre_) {
        RevokeActiveObject(cookieActif_, nullptr);
        enregistre_ = false;
    }
    fichiers_->relacheTout();
    miroir_->detruitTout();
    if (surFin_) surFin_();
}

LRESULT CALLBACK ServeurSimWord::procedureControle(HWND h, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* serveur = reinterpret_cast<ServeurSimWord*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (serveur && message == WM_COPYDATA) {
        const auto* donnees = reinterpret_cast<const COPYDATASTRUCT*>(l);
        if (!donnees || donnees->dwData != MarqueCommande || (donnees->cbData % 2) != 0 ||
            (donnees->cbData > 0 && !donnees->lpData))
            return 0;
        std::u16string texte(donnees->cbData / 2, u'\0');
        if (donnees->cbData > 0) std::memcpy(texte.data(), donnees->lpData, donnees->cbData);
        try {
            return serveur->commande(texte) ? 1 : 0;
        } catch (...) {
            return 0;
        }
    }
    return DefWindowProcW(h, message, w, l);
}

}  // namespace k58204::simword
