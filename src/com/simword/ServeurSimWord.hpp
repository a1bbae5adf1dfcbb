#pragma once
// One simulated Word 2003 in its own process, as the real one runs: its
// instance (sim::InstanceWord) on a simulated desktop mirrored by real
// windows (MiroirFenetres), its documents' files on the real file system held
// by real handles (FichiersTenus), its Application object in the running-
// object table, and the control window through which a lesson's desktop steps
// reach it ("K58204SimWord", WM_COPYDATA, see commande()).
//
// After every automation call, control command and real window event the
// real windows and file handles are brought in line with the model; once the
// instance has quit (Application.Quit, WM_CLOSE on its main window) the server
// revokes its registrations, lets its files and windows go and ends its
// message loop. Like Word started for automation, an instance never shown
// ends when its last client lets go (dernierClientParti); one that was shown
// stays until it is quit or closed.
// The simulator's headers come before windows.h, whose macros share names with their constants.
#include "sim/bureau/Bureau.hpp"
#include "sim/word/InstanceWord.hpp"
#include "word/Objet.hpp"

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "com/simword/FichiersTenus.hpp"
#include "com/simword/MiroirFenetres.hpp"

namespace k58204::simword {

// Word.Application's class id: {000209FF-0000-0000-C000-000000000046}.
extern const CLSID ClasseWordApplication;
// The control window's class and title, and the tag of its WM_COPYDATA.
inline constexpr wchar_t ClasseControle[] = L"K58204SimWord";
inline constexpr ULONG_PTR MarqueCommande = 0x4B35;

class ServeurSimWord {
public:
    // `surFin` runs once when the instance has quit (the process then ends its loop).
    explicit ServeurSimWord(std::function<void()> surFin);
    ~ServeurSimWord();
    ServeurSimWord(const ServeurSimWord&) = delete;
    ServeurSimWord& operator=(const ServeurSimWord&) = delete;

    // Starts the one instance of this process and registers its Application
    // object in the running-object table: hidden and without document for
    // CreateObject, visible with "Document1" when the learner starts Word.
    // Returns the Application object; nullptr when an instance was started already.
    ObjetPtr demarre(bool visible, bool avecDocument);

    // A desktop step: "dialogue\t<titre>[\t<sous-titre>]", "bulle", "occupe",
    // "occupe\t<n>", "cache-word", "reduit-word". False when no Word runs or
    // the command is unknown or malformed.
    bool commande(std::u16string_view texte);

    // Windows, file handles and the end of the process brought in line with the model.
    void synchronise();

    // The last client connection to the served objects went: an instance
    // never shown ends as Word started for automation does.
    void dernierClientParti();

    sim::InstanceWord* instance() { return instance_.get(); }
    sim::Bureau& bureau() { return *bureau_; }
    MiroirFenetres& miroir() { return *miroir_; }
    FichiersTenus& fichiers() { return *fichiers_; }
    HWND fenetreControle() const { return controle_; }
    bool fini() const { return fini_; }

private:
    static LRESULT CALLBACK procedureControle(HWND h, UINT message, WPARAM w, LPARAM l);
    void termine();

    std::function<void()> surFin_;
    std::shared_ptr<sim::Bureau> bureau_;
    std::shared_ptr<FichiersTenus> fichiers_;
    std::unique_ptr<MiroirFenetres> miroir_;
    std::shared_ptr<sim::InstanceWord> instance_;
    HWND controle_ = nullptr;
    DWORD cookieActif_ = 0;
    bool enregistre_ = false;
    bool fini_ = false;
    bool enSynchro_ = false;
    bool montre_ = false;  // the main window was visible once
};

}  // namespace k58204::simword
