#pragma once
// The simulated Windows desktop: top-level and child windows (handle, class,
// title, owner, z-order, visibility, minimised/maximised state, extended
// style), the foreground window, the window-update lock, the keyboard's
// Escape, the time spent waiting, and the running-object table through which
// automation servers are found (GetObject) or started (CreateObject).
//
// Behaviour kept as user32 has it:
// - handles are 32-bit, even, never reused;
// - a new top-level window goes on top of the z-order; owned windows always
//   stay above their owner (bringing a window to the front brings what it
//   owns along, above it);
// - destroying a window destroys its children and the windows it owns;
// - WM_CLOSE runs the window's close handler (a dialog box, a balloon and a
//   child window are destroyed; Word's main window quits its instance); a
//   window marked as refusing WM_CLOSE ignores it;
// - Escape acts on the foreground window: it closes the topmost visible modal
//   dialog box (extended style WS_EX_DLGMODALFRAME) owned, directly or
//   through other dialog boxes, by the foreground window's top-level owner;
//   with no such dialog box it goes to that window's Escape handler (Word
//   uses it to leave a menu, see InstanceWord::occupeJusquEchap).
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Fenetres.hpp"
#include "word/Objet.hpp"

namespace k58204::sim {

using platform::Hwnd;

struct DescriptionFenetre {
    std::u16string classe;
    std::u16string titre;
    Hwnd proprietaire = 0;  // owner of a top-level window (GetParent gives it)
    Hwnd parent = 0;        // parent of a child window (0 = top-level)
    bool visible = true;
    int32_t styleEx = 0;    // GWL_EXSTYLE
};

// An automation server registered in the running-object table. The table
// holds it weakly: an instance that is gone is simply not found.
class ObjetActif {
public:
    virtual ~ObjetActif() = default;
    virtual bool actif() const = 0;
    virtual ObjetPtr objetActif() = 0;
};

class Bureau {
public:
    Bureau() = default;
    Bureau(const Bureau&) = delete;
    Bureau& operator=(const Bureau&) = delete;

    // ------------------------------------------------------------ windows
    Hwnd cree(const DescriptionFenetre& d);
    // Destroys a window, its children and the windows it owns. No effect on an unknown handle.
    void detruit(Hwnd h);
    bool existe(Hwnd h) const;
    const std::u16string& classe(Hwnd h) const;  // "" for an unknown handle
    // The title: the fixed one, or what the title function gives now.
    std::u16string titre(Hwnd h) const;
    void changeTitre(Hwnd h, std::u16string titre);
    void titreCalcule(Hwnd h, std::function<std::u16string()> f);
    Hwnd proprietaire(Hwnd h) const;
    Hwnd parent(Hwnd h) const;
    int32_t styleEx(Hwnd h) const;
    // Children of a window (0: the top-level windows), topmost first.
    std::vector<Hwnd> enfants(Hwnd parent) const;
    // Own visibility flag (IsWindowVisible also needs the parents visible).
    bool visible(Hwnd h) const;
    void montre(Hwnd h, bool visible);
    bool minimise(Hwnd h) const;
    bool maximise(Hwnd h) const;
    // Minimising clears the maximised look only on screen: a maximised window
    // minimised and restored comes back maximised, as Windows does.
    void changeEtat(Hwnd h, bool minimise, bool maximise);

    // ------------------------------------------------------------ z-order and focus
    // The sibling just above h in z-order (GW_HWNDPREV); 0 at the top.
    Hwnd auDessus(Hwnd h) const;
    // Brings a top-level window to the top of the z-order, with the windows
    // it owns above it, and makes it the foreground window.
    bool metAuPremierPlan(Hwnd h);
    Hwnd premierPlan() const { return premierPlan_; }

    // ------------------------------------------------------------ closing and keys
    // The WM_CLOSE handler; without one, WM_CLOSE destroys the window.
    void surFermeture(Hwnd h, std::function<void()> f);
    void refuseFermeture(Hwnd h, bool refuse = true);
    // Escape given to a window with no dialog box to close.
    void surEchap(Hwnd h, std::function<void()> f);
    // A dialog box that Escape does not close (a stuck dialog box).
    void ignoreEchap(Hwnd h, bool ignore = true);
    // WM_CLOSE. False when the window does not exist or refused.
    bool fermer(Hwnd h);
    // The Escape key, processed by the foreground window.
    void echap();
    int32_t nombreEchap() const { return nombreEchap_; }
    // The topmost visible modal dialog box owned (directly or through other
    // dialog boxes) by h; 0 when none.
    Hwnd dialogueModal(Hwnd h) const;

    // ------------------------------------------------------------ LockWindowUpdate
    // At most one window is locked; 0 releases. False when another window is locked.
    bool verrouille(Hwnd h);
    Hwnd fenetreVerrouillee() const { return verrouillee_; }

    // ------------------------------------------------------------ waits
    void ajouteAttente(std::chrono::milliseconds d) { attente_ += d; }
    std::chrono::milliseconds attenteTotale() const { return attente_; }

    // ------------------------------------------------------------ shell option
    // Windows' "hide extensions for known file types": Word's main window
    // then shows "Voyage à CANGO - Microsoft Word".
    bool masqueExtensions() const { return masqueExtensions_; }
    void masqueExtensions(bool m) { masqueExtensions_ = m; }

    // ------------------------------------------------------------ running-object table
    // ProgIDs are compared without regard to case, "Word.Application" and
    // "Word.Application.11" naming the same class.
    void enregistreFabrique(std::u16string_view progId, std::function<ObjetPtr()> fabrique);
    // Registers a running server; the first one registered that still runs
    // is the one GetObject finds.
    void enregistreActif(std::u16string_view progId, std::weak_ptr<ObjetActif> objet);
    void revoqueActif(const ObjetActif* objet);
    // The running object of the class, or nullptr.
    ObjetPtr objetActif(std::u16string_view progId);
    // A new server object of the class, or nullptr when the class is unknown.
    ObjetPtr creeObjet(std::u16string_view progId);

private:
    struct Fenetre {
        DescriptionFenetre d;
        std::function<std::u16string()> titreCalcule;
        bool minimise = false;
        bool maximise = false;
        bool refuseFermeture = false;
        bool ignoreEchap = false;
        std::function<void()> surFermeture;
        std::function<void()> surEchap;
    };
    struct Actif {
        std::u16string progId;
        std::weak_ptr<ObjetActif> objet;
    };

    Fenetre* trouve(Hwnd h);
    const Fenetre* trouve(Hwnd h) const;
    std::vector<Hwnd>& freres(Hwnd h);
    const std::vector<Hwnd>& freres(Hwnd h) const;
    bool possedePar(Hwnd h, Hwnd racine) const;
    static std::u16string normaliseProgId(std::u16string_view progId);

    std::map<Hwnd, Fenetre> fenetres_;
    // Z-order of the children of each parent (0: top-level windows), topmost first.
    std::map<Hwnd, std::vector<Hwnd>> ordre_;
    Hwnd prochain_ = 0x000100A2;
    Hwnd premierPlan_ = 0;
    Hwnd verrouillee_ = 0;
    int32_t nombreEchap_ = 0;
    std::chrono::milliseconds attente_{0};
    bool masqueExtensions_ = false;
    std::vector<Actif> actifs_;
    std::map<std::u16string, std::function<ObjetPtr()>> fabriques_;
};

}  // namespace k58204::sim
