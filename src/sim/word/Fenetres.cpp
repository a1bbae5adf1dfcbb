// Word's Windows collection, Window and View objects.
#include "sim/core/ErreursWord.hpp"
#include "sim/word/InstanceWord.hpp"
#include "sim/word/Membres.hpp"
#include "sim/word/ObjetsWord.hpp"
#include "word/Texte.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

namespace {


class WindowsSim : public ObjetWord {
public:
    WindowsSim(InstancePtr i, DocumentPtr doc) : ObjetWord(std::move(i)), doc_(std::move(doc)) {}

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (doc_ && !doc_->ouvert) leveErreurWord(wderr::ObjetSupprime);
        if (est(nom, u"Application") || est(nom, u"Parent"))
            return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Count")) return lecture(appel, [&] { return static_cast<int32_t>(liste().size()); });
        if (est(nom, u"Item") || est(nom, u"")) return lecture(appel, [&] { return item(args.requis(0, u"Index")); });
        if (est(nom, u"Add"))
            return methode(appel, [&] {
                DocumentPtr d = doc_ ? doc_ : instance_->documentActifRequis();
                return Variant(creeWindow(instance_, instance_->nouvelleFenetre(d)));
            });
        return std::nullopt;
    }

private:
    std::vector<const FenetreWord*> liste() const {
        if (doc_) return instance_->fenetresDe(doc_.get());
        std::vector<const FenetreWord*> r;
        for (const FenetreWord& f : instance_->fenetres()) r.push_back(&f);
        return r;
    }

    // By 1-based position or by caption (without regard to case).
    ObjetPtr item(const Variant& index) const {
        std::vector<const FenetreWord*> l = liste();
        if (index.type() == Variant::Type::String) {
            std::u16string cle = LCase(*index.si<std::u16string>());
            for (const FenetreWord* f : l)
                if (LCase(instance_->legende(*f)) == cle) return creeWindow(instance_, f->id);
            leveErreurWord(wderr::MembreInexistant);
        }
        int32_t i = index.CLng();
        if (i < 1 || i > static_cast<int32_t>(l.size())) leveErreurWord(wderr::MembreInexistant);
        return creeWindow(instance_, l[static_cast<size_t>(i - 1)]->id);
    }

    DocumentPtr doc_;
};

// Base of Window and View: the window they show, or 5825 once it is closed.
class VueFenetre : public ObjetWord {
protected:
    VueFenetre(InstancePtr i, uint64_t id) : ObjetWord(std::move(i)), id_(id) {}
    const FenetreWord& fenetre() const {
        const FenetreWord* f = instance_->fenetre(id_);
        if (!f) leveErreurWord(wderr::ObjetSupprime);
        return *f;
    }
    bool active() const {
        const FenetreWord* a = instance_->fenetreActive();
        return a && a->id == id_;
    }
    uint64_t id_;
};

class WindowSim : public VueFenetre {
public:
    WindowSim(InstancePtr i, uint64_t id) : VueFenetre(std::move(i), id) {}

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const FenetreWord& f = fenetre();
        InstanceWord& w = *instance_;
        EtatFenetre& e = f.doc->fenetre;
        if (est(nom, u"Application")) return lecture(appel, [&] { return w.application(); });
        if (est(nom, u"Parent")) return lecture(appel, [&] { return w.application(); });
        if (est(nom, u"Caption") || est(nom, u""))
            return propriete(appel, args, [&] { return w.legende(f); },
                             [&](const Variant& v) { w.changeLegende(id_, v.CStr()); });
        if (est(nom, u"Document")) return lecture(appel, [&] { return w.objetDocument(f.doc); });
        if (est(nom, u"View")) return lecture(appel, [&] { return creeView(instance_, id_); });
        if (est(nom, u"Selection")) return lecture(appel, [&] { return creeSelection(f.doc); });
        if (est(nom, u"Active")) return lecture(appel, [&] { return active(); });
        if (est(nom, u"Index")) return lecture(appel, [&] { return index(); });
        if (est(nom, u"WindowNumber")) return lecture(appel, [&] { return numero(); });
        if (est(nom, u"WindowState"))
            return propriete(appel, args, [&] { return etat(); }, [&](const Variant& v) { changeEtat(v.CLng()); });
        if (est(nom, u"DisplayVerticalScrollBar")) return booleen(appel, args, e.barreDefilementVerticale);
        if (est(nom, u"DisplayScreenTips")) return booleen(appel, args, e.infobulles);
        if (est(nom, u"StyleAreaWidth"))
            return propriete(appel, args, [&] { return e.largeurZoneStyle; }, [&](const Variant& v) {
                float l = v.CSng();
                if (l < 0) leveErreurWord(wderr::ValeurHorsLimites);
                e.largeurZoneStyle = l;
            });
        if (est(nom, u"Activate"))
            return methode(appel, [&] {
                w.activeFenetre(id_);
                return Variant();
            });
        if (est(nom, u"Close"))
            return methode(appel, [&] {
                auto s = args.parametre(0, u"SaveChanges");
                w.fermeFenetre(id_, s && !s->estVide() ? s->CLng() : word::wd::PromptToSaveChanges);
                return Variant();
            });
        if (est(nom, u"NewWindow"))
            return methode(appel, [&] { return Variant(creeWindow(instance_, w.nouvelleFenetre(f.doc))); });
        return std::nullopt;
    }

private:
    int32_t index() const {
        const auto& toutes = instance_->fenetres();
        for (size_t i = 0; i < toutes.size(); ++i)
            if (toutes[i].id == id_) return static_cast<int32_t>(i + 1);
        return 0;
    }

    int32_t numero() const {
        std::vector<const FenetreWord*> memes = instance_->fenetresDe(fenetre().doc.get());
        for (size_t i = 0; i < memes.size(); ++i)
            if (memes[i]->id == id_) return static_cast<int32_t>(i + 1);
        return 0;
    }

    // The active window is Word's main window (one window per document on
    // screen): its state is the main window's.
    int32_t etat() const {
        if (!active()) return fenetre().doc->fenetre.etat;
        Bureau& b = instance_->bureau();
        Hwnd h = instance_->fenetrePrincipale();
        return b.minimise(h) ? 2 : b.maximise(h) ? 1 : 0;
    }

    void changeEtat(int32_t etat) {
        if (etat < 0 || etat > 2) leveErreurWord(wderr::ValeurHorsLimites);
        fenetre().doc->fenetre.etat = etat;
        if (!active()) return;
        Bureau& b = instance_->bureau();
        Hwnd h = instance_->fenetrePrincipale();
        b.changeEtat(h, etat == 2, etat == 2 ? b.maximise(h) : etat == 1);
    }
};

class ViewSim : public VueFenetre {
public:
    ViewSim(InstancePtr i, uint64_t id) : VueFenetre(std::move(i), id) {}

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const FenetreWord& f = fenetre();
        EtatFenetre& e = f.doc->fenetre;
        if (est(nom, u"Application")) return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Parent")) return lecture(appel, [&] { return creeWindow(instance_, id_); });
        // WdViewType: 1 normal, 2 outline, 3 print layout, 4 print preview, 5 master, 6 web, 7 reading.
        if (est(nom, u"Type") || est(nom, u""))
            return propriete(appel, args, [&] { return e.typeVue; },
                             [&](const Variant& v) { instance_->changeTypeVue(*f.doc, v.CLng()); });
        if (est(nom, u"ShowAll")) return booleen(appel, args, e.afficheTout);
        if (est(nom, u"ShowFieldCodes")) return booleen(appel, args, e.afficheCodesChamps);
        return std::nullopt;
    }
};

}  // namespace

ObjetPtr creeWindows(const InstancePtr& i, const DocumentPtr& doc) { return std::make_shared<WindowsSim>(i, doc); }
ObjetPtr creeWindow(const InstancePtr& i, uint64_t id) { return std::make_shared<WindowSim>(i, id); }
ObjetPtr creeView(const InstancePtr& i, uint64_t id) { return std::make_shared<ViewSim>(i, id); }

}  // namespace k58204::sim
