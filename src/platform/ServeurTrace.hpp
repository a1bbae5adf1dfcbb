#pragma once
// Word's server with its calls traced: GetObject and CreateObject are recorded
// in the journal (with their time), and every Application they give is
// wrapped in an ObjetTrace, so that every automation call made on Word from
// then on is recorded. The command-line host's --trace and the DLL's support
// trace both reach Word through it.
#include <chrono>
#include <memory>
#include <string>

#include "platform/ServeurWord.hpp"
#include "word/ObjetTrace.hpp"

namespace k58204::platform {

class ServeurTrace : public ServeurWord {
public:
    ServeurTrace(ServeurWord& serveur, std::shared_ptr<Journal> journal)
        : serveur_(serveur), journal_(std::move(journal)) {}

    ObjetPtr GetObject(std::u16string_view classe) override {
        return enregistre(u"GetObject", classe, [&] { return serveur_.GetObject(classe); });
    }
    ObjetPtr CreateObject(std::u16string_view classe) override {
        return enregistre(u"CreateObject", classe, [&] { return serveur_.CreateObject(classe); });
    }

private:
    template <class Fonction>
    ObjetPtr enregistre(std::u16string_view nom, std::u16string_view classe, Fonction appel) {
        const size_t rang = journal_->nombre();
        journal_->ajoute(AppelTrace{std::u16string(nom), Appel::Call, {std::u16string(classe)}, std::nullopt,
                                    std::nullopt, journal_->profondeur, {}, {}});
        const auto debut = std::chrono::steady_clock::now();
        auto duree = [&] {
            return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - debut);
        };
        try {
            // The journal keeps the server's own object (a traced one would
            // hold the journal); the object shows as the chain its calls start from.
            ObjetPtr o = sansTrace(appel());
            journal_->appel(rang).duree = duree();
            journal_->appel(rang).resultat = Variant(o);
            if (!o) return o;
            Chemin racine = Chemin::deClasse(classe);
            journal_->appel(rang).cheminResultat = racine.texte();
            return trace(std::move(o), journal_, std::move(racine));
        } catch (const Erreur& e) {
            journal_->appel(rang).duree = duree();
            journal_->appel(rang).erreur = e;
            throw;
        }
    }

    ServeurWord& serveur_;
    std::shared_ptr<Journal> journal_;
};

}  // namespace k58204::platform
