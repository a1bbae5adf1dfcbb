// Word's AddIns collection and AddIn objects (global templates and add-ins).
#include <algorithm>

#include "sim/core/ErreursWord.hpp"
#include "sim/word/Chemins.hpp"
#include "sim/word/InstanceWord.hpp"
#include "sim/word/Membres.hpp"
#include "sim/word/ObjetsWord.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {

namespace {

class AddInsSim : public ObjetWord {
public:
    using ObjetWord::ObjetWord;

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        InstanceWord& w = *instance_;
        auto& liste = w.complements();
        if (est(nom, u"Application") || est(nom, u"Parent")) return lecture(appel, [&] { return w.application(); });
        if (est(nom, u"Count")) return lecture(appel, [&] { return static_cast<int32_t>(liste.size()); });
        if (est(nom, u"Item") || est(nom, u"")) return lecture(appel, [&] { return item(args.requis(0, u"Index")); });
        if (est(nom, u"Add"))
            return methode(appel, [&] {
                auto installe = args.parametre(1, u"Install");
                return Variant(ajoute(args.requis(0, u"FileName").CStr(),
                                      !installe || installe->estVide() || installe->CBool()));
            });
        return std::nullopt;
    }

private:
    // By 1-based position, or by name (or full path) without regard to case.
    ObjetPtr item(const Variant& index) {
        auto& liste = instance_->complements();
        if (index.type() == Variant::Type::String) {
            std::u16string cle = LCase(*index.si<std::u16string>());
            for (const ComplementWord& c : liste)
                if (LCase(c.nom) == cle || LCase(c.dossier + u"\\" + c.nom) == cle) return creeAddIn(instance_, c.id);
            leveErreurWord(wderr::MembreInexistant);
        }
        int32_t i = index.CLng();
        if (i < 1 || i > static_cast<int32_t>(liste.size())) leveErreurWord(wderr::MembreInexistant);
        return creeAddIn(instance_, liste[static_cast<size_t>(i - 1)].id);
    }

    // A file already in the list is returned (and installed as asked) rather than added twice.
    ObjetPtr ajoute(const std::u16string& fichier, bool installe) {
        InstanceWord& w = *instance_;
        if (!cheminValide(fichier)) leveErreurWord(wderr::CaracteresInvalides, fichier);
        std::u16string chemin = normaliseChemin(joindre(w.dossierModeles, fichier));
        bool existe = false;
        try {
            existe = w.fichiers().Existe(chemin);
        } catch (const Erreur&) {
            existe = false;
        }
        if (!existe) leveErreurWord(wderr::FichierIntrouvable, chemin);
        std::u16string cle = LCase(chemin);
        for (ComplementWord& c : w.complements()) {
            if (LCase(c.dossier + u"\\" + c.nom) == cle) {
                c.installe = installe;
                return creeAddIn(instance_, c.id);
            }
        }
        ComplementWord c;
        c.nom = nomDe(chemin);
        c.dossier = dossierDe(chemin);
        c.installe = installe;
        c.id = w.nouvelIdComplement();
        w.complements().push_back(c);
        return creeAddIn(instance_, c.id);
    }
};

class AddInSim : public ObjetWord {
public:
    AddInSim(InstancePtr i, uint64_t id) : ObjetWord(std::move(i)), id_(id) {}

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        auto& liste = instance_->complements();
        auto it = std::find_if(liste.begin(), liste.end(), [&](const ComplementWord& c) { return c.id == id_; });
        if (it == liste.end()) leveErreurWord(wderr::ObjetSupprime);
        ComplementWord& c = *it;
        if (est(nom, u"Application")) return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Parent")) return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Name") || est(nom, u"")) return lecture(appel, [&] { return c.nom; });
        if (est(nom, u"Path")) return lecture(appel, [&] { return c.dossier; });
        if (est(nom, u"Index")) return lecture(appel, [&] { return static_cast<int32_t>(it - liste.begin() + 1); });
        if (est(nom, u"Compiled")) return lecture(appel, [&] { return !LCase(c.nom).ends_with(u".dot"); });
        if (est(nom, u"Autoload")) return lecture(appel, [] { return false; });
        if (est(nom, u"Installed")) return booleen(appel, args, c.installe);
        if (est(nom, u"Delete"))
            return methode(appel, [&] {
                liste.erase(it);
                return Variant();
            });
        return std::nullopt;
    }

private:
    uint64_t id_;
};

}  // namespace

ObjetPtr creeAddIns(const InstancePtr& i) { return std::make_shared<AddInsSim>(i); }
ObjetPtr creeAddIn(const InstancePtr& i, uint64_t id) { return std::make_shared<AddInSim>(i, id); }

}  // namespace k58204::sim
