#pragma once
// Test fixture of the exercise checks: one exercise run on a simulated
// machine, as Module stages and prepares it, driven by the learner's actions
// through the simulated Word's automation.
//
//   ExerciceSimule e(110);                        // Word started, document staged, Prepare done
//   e.appli()[u"Selection"].ecrit(u"Bold", true);   // the learner acts
//   e.teste();                                    // TestePoint
//   EXPECT_EQ(e.code(), u"B");
//
// Table-driven tests describe each case as a Scenario and run it with joue().
#include <concepts>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exercises/Questions.hpp"
#include "sim/Poste.hpp"
#include "sim/poste/RacineTemporaire.hpp"
#include "word/Modele.hpp"
#include "word/Objet.hpp"

namespace k58204::test {

// Fluent access to an automation object, to write a learner's actions as
// Word code reads:
//   app[u"ActiveDocument"](u"Bookmarks", {u"s01"})[u"Range"].lit(u"Text")
// Every call goes through the automation seam (Objet::invoke).
class Auto {
public:
    Auto() = default;
    Auto(ObjetPtr o) : o_(std::move(o)) {}

    // A property that gives an object: app[u"ActiveDocument"].
    Auto operator[](std::u16string_view membre) const { return Auto(o().get(membre).objet()); }
    // The same with arguments (a collection's item, a method returning an
    // object): doc(u"Bookmarks", {u"s01"}), app[u"Documents"](u"Open", {chemin}).
    Auto operator()(std::u16string_view membre, Arguments args) const { return Auto(o().get(membre, std::move(args)).objet()); }
    // A property's value.
    Variant lit(std::u16string_view membre, Arguments args = {}) const { return o().get(membre, std::move(args)); }
    // A method call.
    Variant fait(std::u16string_view membre, Arguments args = {}) const { return o().call(membre, std::move(args)); }
    // A property put (the value goes last, after the arguments).
    void ecrit(std::u16string_view membre, Variant valeur, Arguments args = {}) const {
        o().put(membre, std::move(valeur), std::move(args));
    }

private:
    Objet& o() const {
        if (!o_) throw std::logic_error("Auto: no object");
        return *o_;
    }
    ObjetPtr o_;
};

// A few of the learner's moves, written once.
inline Auto document(const Auto& app) { return app[u"ActiveDocument"]; }
inline Auto signet(const Auto& app, const std::u16string& nom) { return document(app)(u"Bookmarks", {nom}); }
inline int32_t debutSignet(const Auto& app, const std::u16string& nom) { return signet(app, nom).lit(u"Start").CLng(); }
inline int32_t finSignet(const Auto& app, const std::u16string& nom) { return signet(app, nom).lit(u"End").CLng(); }
// Selects [debut, fin) of the active document, as a drag of the mouse does.
inline void selectionne(const Auto& app, int32_t debut, int32_t fin) {
    app[u"Selection"].fait(u"SetRange", {debut, fin});
}
inline void selectionneSignet(const Auto& app, const std::u16string& nom) { signet(app, nom).fait(u"Select"); }
// Selects the first n characters of a passage, as a drag from its start does.
inline void selectionneDebut(const Auto& app, const std::u16string& nom, int32_t n) {
    selectionne(app, debutSignet(app, nom), debutSignet(app, nom) + n);
}
// Types at the selection (over it when it is not collapsed).
inline void tape(const Auto& app, const std::u16string& texte) { app[u"Selection"].fait(u"TypeText", {texte}); }

// Where the exercises' documents are staged, as the host gives the folder.
inline constexpr char16_t DossierCours[] = u"C:\\Cours\\K58204\\";

class ExerciceSimule {
public:
    struct Options {
        // Call Prepare at the end of the construction.
        bool prepare = true;
        // Word as the learner started it, with its empty "Document1" open.
        bool documentVierge = false;
    };

    // A temporary drive C:, Word started, the exercise created with
    // CreeQuestion, its course documents copied into DossierCours under their
    // source names and renamed to their working names (as Module's staging
    // does), and Prepare(Word, DossierCours, template folder) called.
    explicit ExerciceSimule(int32_t numero);
    ExerciceSimule(int32_t numero, Options options);
    ~ExerciceSimule();
    ExerciceSimule(const ExerciceSimule&) = delete;
    ExerciceSimule& operator=(const ExerciceSimule&) = delete;

    // Prepare, as Module calls it (when Options::prepare was false).
    void prepare();
    // The exercise's TestePoint.
    void teste();

    Auto appli() const { return Auto(appObjet_); }
    sim::Poste& poste() { return *poste_; }
    // The instance of the simulated Word (fault injection, observation).
    sim::InstanceWord& instance() { return poste_->instance(appObjet_); }

    std::u16string code() const { return question_->CauseErreur(); }
    bool bravo() const { return question_->BravoNuance(); }
    // The supplementary strings; nullopt when the exercise holds no ComplementInfo.
    std::optional<std::vector<std::u16string>> complement() const;

    // Word's template folder followed by "Talvor Modèles\", as Module passes it.
    std::u16string dossierModele() const;
    // Copies a course document ("05820407.doc") to a Windows path of drive C:.
    void copieCours(const std::u16string& nomSource, const std::u16string& destination);

private:
    RacineTemporaire racine_;  // removed after everything else
    std::unique_ptr<sim::Poste> poste_;
    ObjetPtr appObjet_;
    std::unique_ptr<Question> question_;
};

// The learner's actions: on Word's Application object, or on the whole
// exercise (its machine's files) for the few that need more than Word.
class Actions {
public:
    template <std::invocable<Auto> F>
    Actions(F f) : f_([f](ExerciceSimule& e) { f(e.appli()); }) {}
    template <std::invocable<ExerciceSimule&> F>
    Actions(F f) : f_(std::move(f)) {}
    void operator()(ExerciceSimule& e) const { f_(e); }

private:
    std::function<void(ExerciceSimule&)> f_;
};

// One case of a table-driven test: the exercise, the learner's actions, and
// the verdict expected afterwards (never the nuance, never a remark).
struct Scenario {
    int32_t numero;
    std::string nom;
    Actions actions;
    std::u16string code;
    ExerciceSimule::Options options = {};
};

// Runs a scenario on a freshly prepared exercise and checks CauseErreur,
// BravoNuance and ComplementInfo (created, empty).
void joue(const Scenario& s);

// GoogleTest's name of a scenario parameter: "Q0110" and its name.
std::string nomScenario(const ::testing::TestParamInfo<Scenario>& info);
std::ostream& operator<<(std::ostream& os, const Scenario& s);

}  // namespace k58204::test
