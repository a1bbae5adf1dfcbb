// Word's Documents collection.
#include "sim/core/ErreursWord.hpp"
#include "sim/word/InstanceWord.hpp"
#include "sim/word/Membres.hpp"
#include "sim/word/ObjetsWord.hpp"
#include "word/Texte.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

namespace {


class DocumentsSim : public ObjetWord {
public:
    using ObjetWord::ObjetWord;

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        InstanceWord& w = *instance_;
        if (est(nom, u"Application") || est(nom, u"Parent")) return lecture(appel, [&] { return w.application(); });
        if (est(nom, u"Count"))
            return lecture(appel, [&] { return static_cast<int32_t>(w.documents().size()); });
        if (est(nom, u"Item") || est(nom, u"")) return lecture(appel, [&] { return item(args.requis(0, u"Index")); });
        if (est(nom, u"Open"))
            return methode(appel, [&] {
                auto lectureSeule = args.parametre(2, u"ReadOnly");
                bool ls = lectureSeule && !lectureSeule->estVide() && lectureSeule->CBool();
                auto mdp = args.parametre(4, u"PasswordDocument");
                std::optional<std::u16string> motDePasse;
                if (mdp && !mdp->estVide()) motDePasse = mdp->CStr();
                return Variant(w.objetDocument(w.ouvreDocument(args.requis(0, u"FileName").CStr(), ls, motDePasse)));
            });
        if (est(nom, u"Add"))
            return methode(appel, [&] {
                auto modele = args.parametre(0, u"Template");
                auto nouveauModele = args.parametre(1, u"NewTemplate");
                std::optional<std::u16string> m;
                if (modele && !modele->estVide()) m = modele->CStr();
                bool estModele = nouveauModele && !nouveauModele->estVide() && nouveauModele->CBool();
                return Variant(w.objetDocument(w.ajouteDocument(m, estModele)));
            });
        if (est(nom, u"Close"))
            return methode(appel, [&] {
                auto s = args.parametre(0, u"SaveChanges");
                w.fermeTout(s && !s->estVide() ? s->CLng() : word::wd::PromptToSaveChanges);
                return Variant();
            });
        if (est(nom, u"Save"))
            return methode(appel, [&] {
                for (const DocumentPtr& d : std::vector<DocumentPtr>(w.documents())) w.enregistre(d);
                return Variant();
            });
        return std::nullopt;
    }

private:
    // By 1-based position, or by Name or FullName without regard to case.
    ObjetPtr item(const Variant& index) {
        InstanceWord& w = *instance_;
        const auto& docs = w.documents();
        if (index.type() == Variant::Type::String) {
            std::u16string cle = LCase(*index.si<std::u16string>());
            for (const DocumentPtr& d : docs)
                if (LCase(d->nom) == cle || LCase(d->nomComplet()) == cle) return w.objetDocument(d);
            leveErreurWord(wderr::NomFichierIncorrect);
        }
        int32_t i = index.CLng();
        if (i < 1 || i > static_cast<int32_t>(docs.size())) leveErreurWord(wderr::MembreInexistant);
        return w.objetDocument(docs[static_cast<size_t>(i - 1)]);
    }
};

}  // namespace

ObjetPtr creeDocuments(const InstancePtr& i) { return std::make_shared<DocumentsSim>(i); }

}  // namespace k58204::sim
