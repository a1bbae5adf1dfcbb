#include "host/Notation.hpp"

#include "exercises/Questions.hpp"
#include "host/Catalogue.hpp"
#include "host/ExamenDocument.hpp"
#include "host/LectureVerdict.hpp"
#include "module/Module.hpp"
#include "sim/Poste.hpp"
#include "word/Erreur.hpp"
#include "word/Modele.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {

GenreExercice genre(int32_t exercice) {
    using N = NatureExercice;
    switch (exercice) {
        case 102: return {N::SansDocument, "l'exercice 102 juge la disposition des barres d'outils de Word, pas un document"};
        case 123: return {N::SansDocument, "l'exercice 123 juge la création d'un nouveau document dans Word, pas un document enregistré"};
        case 124: return {N::SansDocument, "l'exercice 124 juge l'enregistrement dans un dossier, pas le contenu d'un document"};
        case 103: return {N::EtatDeWord, "l'exercice 103 juge le dossier d'où le document a été ouvert : ici il est rouvert depuis le dossier de travail, le verdict ne dit rien du document"};
        case 104: return {N::EtatDeWord, "l'exercice 104 juge la position du point d'insertion, qu'un document n'enregistre pas : le verdict est celui du document rouvert, point d'insertion au début"};
        case 105: return {N::EtatDeWord, "l'exercice 105 juge l'affichage des marques de mise en forme dans Word : le verdict est celui du document rouvert, marques masquées"};
        case 109: return {N::EtatDeWord, "l'exercice 109 juge l'état enregistré du document dans Word : le document rouvert est toujours enregistré"};
        case 120: return {N::EtatDeWord, "l'exercice 120 juge l'aperçu avant impression de Word : le document rouvert n'est pas en aperçu"};
        case 121: return {N::EtatDeWord, "l'exercice 121 juge aussi la fermeture de l'aperçu avant impression : le document rouvert n'est pas en aperçu ; l'orientation et la marge sont bien celles du document"};
        case 122: return {N::EtatDeWord, "l'exercice 122 juge la fermeture du document : le document rouvert est ouvert"};
        default: return {N::Document, ""};
    }
}

bool Notation::reussi() const { return lis(exercice, verdict).reussi; }

void verifieNotable(int32_t exercice) {
    if (exercice < 101 || exercice > 124)
        throw ErreurNotation("numéro d'exercice " + std::to_string(exercice) + " hors de 101 à 124");
    GenreExercice g = genre(exercice);
    if (g.nature == NatureExercice::SansDocument) throw ErreurNotation(g.note);
}

namespace {

// The working document's name, as the exercise registers it.
std::u16string nomDeTravail(int32_t exercice, platform::SystemeFichiers& fichiers) {
    auto question = CreeQuestion(exercice, fichiers);
    if (!question || question->FichiersDeTravail()->count() == 0)
        throw ErreurNotation("l'exercice " + std::to_string(exercice) + " n'a pas de document de travail");
    return question->FichiersDeTravail()->Item(1).NomDest;
}

// The open document of that name (any case), when there is one.
std::optional<word::Document> documentOuvert(const word::Application& word, const std::u16string& nom) {
    word::Documents documents = word.Documents();
    for (int32_t i = documents.Count(); i >= 1; --i) {
        word::Document d = documents.Item(i);
        if (LCase(d.Name()) == LCase(nom)) return d;
    }
    return std::nullopt;
}

}  // namespace

Notation note(const Cours& cours, int32_t exercice, const std::filesystem::path& document,
              const std::filesystem::path& racine) {
    verifieNotable(exercice);
    return note(cours, exercice, litDocumentANoter(document), document.string(), racine);
}

Notation note(const Cours& cours, int32_t exercice, DocumentLu document, const std::string& nomDocument,
              const std::filesystem::path& racine) {
    verifieNotable(exercice);
    const GenreExercice g = genre(exercice);

    sim::Poste poste(racine);
    Module module(poste.plateforme());
    ObjetPtr application;
    int32_t handle = -1;
    const std::u16string dossier = DossierTravailParDefaut;
    Notation n;
    n.exercice = exercice;
    n.note = g.note;
    n.avertissements = std::move(document.avertissements);
    n.lecteur = document.lecteur;
    try {
        if (!cours.place(exercice, dossier, poste.fichiers()))
            throw ErreurNotation("le cours (" + cours.dossier().string() + ") n'a pas le document source de l'exercice " +
                                 std::to_string(exercice));
        module.InitQuestion(exercice, dossier, application, handle);
        const std::u16string nom = nomDeTravail(exercice, poste.fichiers());
        const word::Application appli(application);
        if (auto ouvert = documentOuvert(appli, nom)) ouvert->Close(word::wd::DoNotSaveChanges);
        poste.fichiers().Ecrit(dossier + nom, document.wordml);
        appli.Documents().Open(dossier + nom);
        appli.Documents().Item(nom).Activate();
        module.TestePoint();
        n.verdict = litVerdict(module);
    } catch (const Erreur& e) {
        throw ErreurNotation(nomDocument + " : le document n'a pas pu être noté : " + decrit(e));
    }
    // The verdict is read; how Word ends does not change it.
    try {
        module.Quitter(application, handle);
    } catch (const Erreur&) {
    }
    return n;
}

}  // namespace k58204::lecon
