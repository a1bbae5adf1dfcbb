#pragma once
// A platform where nothing exists: no window, no Word, no file. Every call
// that would need one of them fails as the real one would (no window: 0;
// Word: error 429; files: error 76). For tests of what happens without them.
#include "platform/Plateforme.hpp"
#include "word/Erreur.hpp"

namespace k58204::test {

class FenetresVides : public platform::Fenetres {
public:
    platform::Hwnd FindWindowA(const platform::Texte&, const platform::Texte&) override { return 0; }
    platform::Hwnd FindWindowExA(platform::Hwnd, platform::Hwnd, const platform::Texte&, const platform::Texte&) override { return 0; }
    int32_t GetClassNameA(platform::Hwnd, std::u16string&, int32_t) override { return 0; }
    int32_t IsWindowVisible(platform::Hwnd) override { return 0; }
    int32_t IsIconic(platform::Hwnd) override { return 0; }
    int32_t ShowWindow(platform::Hwnd, int32_t) override { return 0; }
    int32_t SetForegroundWindow(platform::Hwnd) override { return 0; }
    platform::Hwnd GetWindow(platform::Hwnd, int32_t) override { return 0; }
    int32_t GetWindowTextA(platform::Hwnd, std::u16string&, int32_t) override { return 0; }
    int32_t GetWindowLongA(platform::Hwnd, int32_t) override { return 0; }
    platform::Hwnd GetParent(platform::Hwnd) override { return 0; }
    intptr_t SendMessageA(platform::Hwnd, uint32_t, uintptr_t, intptr_t) override { return 0; }
    int32_t LockWindowUpdate(platform::Hwnd) override { return 0; }
};

class ClavierVide : public platform::Clavier {
public:
    void EnvoieEchap() override {}
    void Attends(std::chrono::milliseconds) override {}
};

class ServeurAbsent : public platform::ServeurWord {
public:
    ObjetPtr GetObject(std::u16string_view) override { leveErreurExecution(err::CreationImpossible); }
    ObjetPtr CreateObject(std::u16string_view) override { leveErreurExecution(err::CreationImpossible); }
};

class FichiersAbsents : public platform::SystemeFichiers {
public:
    void SetAttr(std::u16string_view, int32_t) override { leveErreurExecution(err::CheminIntrouvable); }
    int32_t GetAttr(std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    void Kill(std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    void Name(std::u16string_view, std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    std::vector<std::u16string> Dir(std::u16string_view, int32_t) override { return {}; }
    void ChDir(std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    std::u16string CurDir() override { return u"C:\\"; }
    void MkDir(std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    void RmDir(std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    bool MakeSureDirectoryPathExists(std::u16string_view) override { return false; }
    bool Existe(std::u16string_view) override { return false; }
    int32_t FileLen(std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    double FileDateTime(std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    std::string Lit(std::u16string_view) override { leveErreurExecution(err::CheminIntrouvable); }
    void Ecrit(std::u16string_view, std::string_view) override { leveErreurExecution(err::CheminIntrouvable); }
};

struct PlateformeVide {
    FenetresVides fenetres;
    ClavierVide clavier;
    ServeurAbsent serveur;
    FichiersAbsents fichiers;
    platform::Plateforme plateforme() { return {fenetres, clavier, serveur, fichiers}; }
};

}  // namespace k58204::test
