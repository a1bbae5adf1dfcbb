#include "sim/bureau/Bureau.hpp"

#include <algorithm>

#include "word/Texte.hpp"

namespace k58204::sim {

namespace {
const std::u16string Vide;
}

Bureau::Fenetre* Bureau::trouve(Hwnd h) {
    auto it = fenetres_.find(h);
    return it == fenetres_.end() ? nullptr : &it->second;
}

const Bureau::Fenetre* Bureau::trouve(Hwnd h) const {
    auto it = fenetres_.find(h);
    return it == fenetres_.end() ? nullptr : &it->second;
}

std::vector<Hwnd>& Bureau::freres(Hwnd h) { return ordre_[trouve(h) ? trouve(h)->d.parent : 0]; }

const std::vector<Hwnd>& Bureau::freres(Hwnd h) const {
    static const std::vector<Hwnd> aucun;
    const Fenetre* f = trouve(h);
    auto it = ordre_.find(f ? f->d.parent : 0);
    return it == ordre_.end() ? aucun : it->second;
}

Hwnd Bureau::cree(const DescriptionFenetre& d) {
    Hwnd h = prochain_;
    prochain_ += 2;
    Fenetre f;
    f.d = d;
    if (d.parent != 0 && !existe(d.parent)) f.d.parent = 0;
    if (f.d.parent != 0) f.d.proprietaire = 0;
    if (f.d.proprietaire != 0 && !existe(f.d.proprietaire)) f.d.proprietaire = 0;
    fenetres_.emplace(h, std::move(f));
    std::vector<Hwnd>& z = ordre_[fenetres_.at(h).d.parent];
    z.insert(z.begin(), h);
    return h;
}

void Bureau::detruit(Hwnd h) {
    if (!existe(h)) return;
    // Children and owned windows go first, as DestroyWindow does.
    auto it = ordre_.find(h);
    if (it != ordre_.end()) {
        std::vector<Hwnd> enfants = it->second;
        for (Hwnd e : enfants) detruit(e);
        ordre_.erase(h);
    }
    std::vector<Hwnd> possedees;
    for (const auto& [autre, f] : fenetres_)
        if (f.d.proprietaire == h) possedees.push_back(autre);
    for (Hwnd p : possedees) detruit(p);
    std::vector<Hwnd>& z = freres(h);
    z.erase(std::remove(z.begin(), z.end(), h), z.end());
    fenetres_.erase(h);
    if (premierPlan_ == h) premierPlan_ = 0;
    if (verrouillee_ == h) verrouillee_ = 0;
}

bool Bureau::existe(Hwnd h) const { return h != 0 && fenetres_.count(h) != 0; }

const std::u16string& Bureau::classe(Hwnd h) const {
    const Fenetre* f = trouve(h);
    return f ? f->d.classe : Vide;
}

std::u16string Bureau::titre(Hwnd h) const {
    const Fenetre* f = trouve(h);
    if (!f) return {};
    return f->titreCalcule ? f->titreCalcule() : f->d.titre;
}

void Bureau::changeTitre(Hwnd h, std::u16string titre) {
    if (Fenetre* f = trouve(h)) {
        f->d.titre = std::move(titre);
        f->titreCalcule = nullptr;
    }
}

void Bureau::titreCalcule(Hwnd h, std::function<std::u16string()> fn) {
    if (Fenetre* f = trouve(h)) f->titreCalcule = std::move(fn);
}

Hwnd Bureau::proprietaire(Hwnd h) const {
    const Fenetre* f = trouve(h);
    return f ? f->d.proprietaire : 0;
}

Hwnd Bureau::parent(Hwnd h) const {
    const Fenetre* f = trouve(h);
    return f ? f->d.parent : 0;
}

int32_t Bureau::styleEx(Hwnd h) const {
    const Fenetre* f = trouve(h);
    return f ? f->d.styleEx : 0;
}

std::vector<Hwnd> Bureau::enfants(Hwnd parent) const {
    auto it = ordre_.find(parent);
    return it == ordre_.end() ? std::vector<Hwnd>{} : it->second;
}

bool Bureau::visible(Hwnd h) const {
    const Fenetre* f = trouve(h);
    return f && f->d.visible;
}

void Bureau::montre(Hwnd h, bool v) {
    if (Fenetre* f = trouve(h)) f->d.visible = v;
}

bool Bureau::minimise(Hwnd h) const {
    const Fenetre* f = trouve(h);
    return f && f->minimise;
}

bool Bureau::maximise(Hwnd h) const {
    const Fenetre* f = trouve(h);
    return f && f->maximise;
}

void Bureau::changeEtat(Hwnd h, bool minimise, bool maximise) {
    if (Fenetre* f = trouve(h)) {
        f->minimise = minimise;
        f->maximise = maximise;
    }
}

Hwnd Bureau::auDessus(Hwnd h) const {
    if (!existe(h)) return 0;
    const std::vector<Hwnd>& z = freres(h);
    auto it = std::find(z.begin(), z.end(), h);
    if (it == z.end() || it == z.begin()) return 0;
    return *(it - 1);
}

bool Bureau::possedePar(Hwnd h, Hwnd racine) const {
    for (Hwnd p = proprietaire(h); p != 0; p = proprietaire(p))
        if (p == racine) return true;
    return false;
}

bool Bureau::metAuPremierPlan(Hwnd h) {
    Fenetre* f = trouve(h);
    if (!f) return false;
    // A child window brings its top-level ancestor forward.
    Hwnd haut = h;
    while (parent(haut) != 0) haut = parent(haut);
    std::vector<Hwnd>& z = ordre_[0];
    // The window and everything it owns keep their relative order, owned above.
    std::vector<Hwnd> groupe;
    for (Hwnd w : z)
        if (w == haut || possedePar(w, haut)) groupe.push_back(w);
    z.erase(std::remove_if(z.begin(), z.end(),
                           [&](Hwnd w) { return std::find(groupe.begin(), groupe.end(), w) != groupe.end(); }),
            z.end());
    std::stable_partition(groupe.begin(), groupe.end(), [&](Hwnd w) { return w != haut; });
    z.insert(z.begin(), groupe.begin(), groupe.end());
    premierPlan_ = haut;
    return true;
}

void Bureau::surFermeture(Hwnd h, std::function<void()> fn) {
    if (Fenetre* f = trouve(h)) f->surFermeture = std::move(fn);
}

void Bureau::refuseFermeture(Hwnd h, bool refuse) {
    if (Fenetre* f = trouve(h)) f->refuseFermeture = refuse;
}

void Bureau::surEchap(Hwnd h, std::function<void()> fn) {
    if (Fenetre* f = trouve(h)) f->surEchap = std::move(fn);
}

void Bureau::ignoreEchap(Hwnd h, bool ignore) {
    if (Fenetre* f = trouve(h)) f->ignoreEchap = ignore;
}

bool Bureau::fermer(Hwnd h) {
    Fenetre* f = trouve(h);
    if (!f || f->refuseFermeture) return false;
    if (f->surFermeture) {
        // The handler may destroy the window (and so itself): keep a copy.
        auto fn = f->surFermeture;
        fn();
    } else {
        detruit(h);
    }
    return true;
}

Hwnd Bureau::dialogueModal(Hwnd h) const {
    if (!existe(h)) return 0;
    for (Hwnd w : enfants(0)) {  // topmost first
        const Fenetre* f = trouve(w);
        if (f->d.visible && (f->d.styleEx & platform::WS_EX_DLGMODALFRAME) && possedePar(w, h)) return w;
    }
    return 0;
}

void Bureau::echap() {
    ++nombreEchap_;
    Hwnd w = premierPlan_;
    if (!existe(w)) return;
    Hwnd racine = w;
    while (proprietaire(racine) != 0) racine = proprietaire(racine);
    if (Hwnd d = dialogueModal(racine)) {
        if (!trouve(d)->ignoreEchap) detruit(d);
        return;
    }
    if (auto fn = trouve(racine)->surEchap) fn();
}

bool Bureau::verrouille(Hwnd h) {
    if (h == 0) {
        verrouillee_ = 0;
        return true;
    }
    if (!existe(h) || verrouillee_ != 0) return false;
    verrouillee_ = h;
    return true;
}

std::u16string Bureau::normaliseProgId(std::u16string_view progId) {
    std::u16string n = LCase(progId);
    const std::u16string version = u".11";
    if (n.size() > version.size() && n.compare(n.size() - version.size(), version.size(), version) == 0)
        n.resize(n.size() - version.size());
    return n;
}

void Bureau::enregistreFabrique(std::u16string_view progId, std::function<ObjetPtr()> fabrique) {
    fabriques_[normaliseProgId(progId)] = std::move(fabrique);
}

void Bureau::enregistreActif(std::u16string_view progId, std::weak_ptr<ObjetActif> objet) {
    actifs_.push_back({normaliseProgId(progId), std::move(objet)});
}

void Bureau::revoqueActif(const ObjetActif* objet) {
    actifs_.erase(std::remove_if(actifs_.begin(), actifs_.end(),
                                 [&](const Actif& a) {
                                     auto p = a.objet.lock();
                                     return !p || p.get() == objet;
                                 }),
                  actifs_.end());
}

ObjetPtr Bureau::objetActif(std::u16string_view progId) {
    std::u16string n = normaliseProgId(progId);
    for (const Actif& a : actifs_) {
        if (a.progId != n) continue;
        if (auto p = a.objet.lock(); p && p->actif()) return p->objetActif();
    }
    return nullptr;
}

ObjetPtr Bureau::creeObjet(std::u16string_view progId) {
    auto it = fabriques_.find(normaliseProgId(progId));
    if (it == fabriques_.end()) return nullptr;
    return it->second();
}

}  // namespace k58204::sim
