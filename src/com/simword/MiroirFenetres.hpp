#pragma once
// Real top-level windows mirroring the simulated desktop's (sim::Bureau):
// Word's main window ("OpusApp"), its dialog boxes (Word's dialog class,
// WS_EX_DLGMODALFRAME, owned by the main window or by another dialog box), the
// assistant's balloon ("MSOBALLOON") and their child buttons. The model is the
// truth: synchronise() creates, retitles, shows, hides, minimises and destroys
// the real windows to match it. What others do to the real windows goes back
// into the model: WM_CLOSE runs the model's close (a dialog box closes, the
// main window quits Word as the learner does), ShowWindow from outside changes
// the model's visible and minimised state, and the Escape key reaching one of
// these windows is the model's Escape (the topmost dialog box closes, or Word
// leaves its menu).
// Bureau.hpp comes before windows.h, whose macros share names with its constants.
#include "sim/bureau/Bureau.hpp"

#include <windows.h>

#include <functional>
#include <map>

namespace k58204::simword {

class MiroirFenetres {
public:
    // `apresEvenement` runs after a real event changed the model.
    MiroirFenetres(sim::Bureau& bureau, std::function<void()> apresEvenement);
    ~MiroirFenetres();
    MiroirFenetres(const MiroirFenetres&) = delete;
    MiroirFenetres& operator=(const MiroirFenetres&) = delete;

    void synchronise();
    // Escape received by a real window of this mirror (from the message loop).
    void echap(HWND recue);
    // The real window of a model window; nullptr when none.
    HWND reelle(sim::Hwnd modele) const;
    // The model window of a real one (or of its top-level ancestor); 0 when none.
    sim::Hwnd modele(HWND reelle) const;
    // Destroys every real window.
    void detruitTout();

private:
    static LRESULT CALLBACK procedure(HWND h, UINT message, WPARAM w, LPARAM l);
    LRESULT traite(HWND h, UINT message, WPARAM w, LPARAM l);
    HWND cree(sim::Hwnd m);
    void metAJour(sim::Hwnd m, HWND r);
    void oublie(HWND r);

    sim::Bureau& bureau_;
    std::function<void()> apresEvenement_;
    std::map<sim::Hwnd, HWND> reelles_;
    std::map<HWND, sim::Hwnd> modeles_;
    // Set while this object changes real windows itself: their notifications
    // are not events from outside.
    int enSynchro_ = 0;
    sim::Hwnd premierPlan_ = 0;
};

}  // namespace k58204::simword
