#include "sim/bureau/FenetresBureau.hpp"

#include "word/Texte.hpp"

namespace k58204::sim {

namespace {

bool correspond(const platform::Texte& voulu, const std::u16string& reel) {
    return !voulu || LCase(*voulu) == LCase(reel);
}

// Copies at most taille - 1 characters, as the A functions fill a buffer.
int32_t copie(const std::u16string& source, std::u16string& dest, int32_t taille) {
    if (taille <= 0) {
        dest.clear();
        return 0;
    }
    dest = source.substr(0, static_cast<size_t>(taille - 1));
    return static_cast<int32_t>(dest.size());
}

}  // namespace

Hwnd FenetresBureau::FindWindowA(const platform::Texte& classe, const platform::Texte& titre) {
    return FindWindowExA(0, 0, classe, titre);
}

Hwnd FenetresBureau::FindWindowExA(Hwnd parent, Hwnd apres, const platform::Texte& classe,
                                   const platform::Texte& titre) {
    if (parent != 0 && !bureau_.existe(parent)) return 0;
    std::vector<Hwnd> liste = bureau_.enfants(parent);
    size_t i = 0;
    if (apres != 0) {
        while (i < liste.size() && liste[i] != apres) ++i;
        if (i == liste.size()) return 0;
        ++i;
    }
    for (; i < liste.size(); ++i)
        if (correspond(classe, bureau_.classe(liste[i])) && correspond(titre, bureau_.titre(liste[i])))
            return liste[i];
    return 0;
}

int32_t FenetresBureau::GetClassNameA(Hwnd h, std::u16string& nom, int32_t taille) {
    if (!bureau_.existe(h)) {
        nom.clear();
        return 0;
    }
    return copie(bureau_.classe(h), nom, taille);
}

int32_t FenetresBureau::IsWindowVisible(Hwnd h) {
    if (!bureau_.existe(h)) return 0;
    for (Hwnd w = h; w != 0; w = bureau_.parent(w))
        if (!bureau_.visible(w)) return 0;
    return 1;
}

int32_t FenetresBureau::IsIconic(Hwnd h) { return bureau_.minimise(h) ? 1 : 0; }

int32_t FenetresBureau::ShowWindow(Hwnd h, int32_t commande) {
    if (!bureau_.existe(h)) return 0;
    int32_t avant = bureau_.visible(h) ? 1 : 0;
    bool min = bureau_.minimise(h), max = bureau_.maximise(h);
    switch (commande) {
        case 0: bureau_.montre(h, false); break;                        // SW_HIDE
        case 1: case 9:  // SW_SHOWNORMAL, SW_RESTORE: a minimised window comes back as it was
            bureau_.montre(h, true);
            bureau_.changeEtat(h, false, min && max);
            break;
        case 2: case 6: case 7: bureau_.montre(h, true); bureau_.changeEtat(h, true, max); break;
        case 3: bureau_.montre(h, true); bureau_.changeEtat(h, false, true); break;
        case 4: case 5: case 8: bureau_.montre(h, true); bureau_.changeEtat(h, min, max); break;
        default: break;
    }
    return avant;
}

int32_t FenetresBureau::SetForegroundWindow(Hwnd h) { return bureau_.metAuPremierPlan(h) ? 1 : 0; }

Hwnd FenetresBureau::GetWindow(Hwnd h, int32_t commande) {
    if (!bureau_.existe(h)) return 0;
    switch (commande) {
        case platform::GW_HWNDPREV: return bureau_.auDessus(h);
        case 2: {  // GW_HWNDNEXT: the window just below
            std::vector<Hwnd> z = bureau_.enfants(bureau_.parent(h));
            for (size_t i = 0; i + 1 < z.size(); ++i)
                if (z[i] == h) return z[i + 1];
            return 0;
        }
        case 4: return bureau_.proprietaire(h);  // GW_OWNER
        case 5: {                                 // GW_CHILD
            std::vector<Hwnd> e = bureau_.enfants(h);
            return e.empty() ? 0 : e.front();
        }
        default: return 0;
    }
}

int32_t FenetresBureau::GetWindowTextA(Hwnd h, std::u16string& titre, int32_t taille) {
    if (!bureau_.existe(h)) {
        titre.clear();
        return 0;
    }
    return copie(bureau_.titre(h), titre, taille);
}

int32_t FenetresBureau::GetWindowLongA(Hwnd h, int32_t index) {
    if (index != platform::GWL_EXSTYLE) return 0;
    return bureau_.styleEx(h);
}

Hwnd FenetresBureau::GetParent(Hwnd h) {
    if (Hwnd p = bureau_.parent(h)) return p;
    return bureau_.proprietaire(h);
}

intptr_t FenetresBureau::SendMessageA(Hwnd h, uint32_t message, uintptr_t, intptr_t) {
    if (message == platform::WM_CLOSE) bureau_.fermer(h);
    return 0;
}

int32_t FenetresBureau::LockWindowUpdate(Hwnd h) { return bureau_.verrouille(h) ? 1 : 0; }

}  // namespace k58204::sim
