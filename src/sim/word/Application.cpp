// Word's Application object.
#include "sim/core/ErreursWord.hpp"
#include "sim/word/InstanceWord.hpp"
#include "sim/word/Membres.hpp"
#include "sim/word/ObjetsWord.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

ObjetWord::ObjetWord(InstancePtr instance) : ObjetSim(instance), instance_(std::move(instance)) {}

namespace {


class ApplicationSim : public ObjetWord {
public:
    using ObjetWord::ObjetWord;

    // Every reference to the Application of one instance is the same object for "Is".
    const void* identite() const override { return instance_.get(); }

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        InstanceWord& w = *instance_;
        if (est(nom, u"Application") || est(nom, u"Parent")) return lecture(appel, [&] { return w.application(); });
        if (est(nom, u"Name") || est(nom, u"")) return lecture(appel, [] { return u"Microsoft Word"; });
        if (est(nom, u"Caption")) return lecture(appel, [] { return u"Microsoft Word"; });
        if (est(nom, u"Version")) return lecture(appel, [] { return u"11.0"; });
        if (est(nom, u"Build")) return lecture(appel, [] { return u"11.0.8169"; });
        if (est(nom, u"UserName")) return lecture(appel, [&] { return w.profil().utilisateur; });
        if (est(nom, u"Path")) return lecture(appel, [] { return u"C:\\Program Files\\Microsoft Office\\OFFICE11"; });
        if (est(nom, u"Documents")) {
            if (appel == Appel::Put) return std::nullopt;
            return collectionOuItem(creeDocuments(instance_), args);
        }
        if (est(nom, u"Windows")) {
            if (appel == Appel::Put) return std::nullopt;
            return collectionOuItem(creeWindows(instance_), args);
        }
        if (est(nom, u"ActiveDocument"))
            return lecture(appel, [&] { return w.objetDocument(w.documentActifRequis()); });
        if (est(nom, u"ActiveWindow"))
            return lecture(appel, [&] {
                w.documentActifRequis();
                return creeWindow(instance_, w.fenetreActive()->id);
            });
        if (est(nom, u"Selection")) return lecture(appel, [&] { return creeSelection(w.documentActifRequis()); });
        if (est(nom, u"Options")) return lecture(appel, [&] { return creeOptions(instance_); });
        if (est(nom, u"AddIns")) {
            if (appel == Appel::Put) return std::nullopt;
            return collectionOuItem(creeAddIns(instance_), args);
        }
        if (est(nom, u"CommandBars")) {
            if (appel == Appel::Put) return std::nullopt;
            return collectionOuItem(creeCommandBars(instance_), args);
        }
        if (est(nom, u"PrintPreview"))
            return propriete(appel, args, [&] { return w.apercu(); }, [&](const Variant& v) { w.apercu(v.CBool()); });
        if (est(nom, u"Visible"))
            return propriete(
                appel, args, [&] { return w.bureau().visible(w.fenetrePrincipale()); },
                [&](const Variant& v) { w.bureau().montre(w.fenetrePrincipale(), v.CBool()); });
        if (est(nom, u"WindowState"))
            return propriete(
                appel, args,
                [&] {
                    Hwnd h = w.fenetrePrincipale();
                    return w.bureau().minimise(h) ? 2 : w.bureau().maximise(h) ? 1 : 0;
                },
                [&](const Variant& v) { changeEtat(v.CLng()); });
        if (est(nom, u"DisplayStatusBar")) return booleen(appel, args, w.barreEtat);
        if (est(nom, u"ShowWindowsInTaskbar")) return booleen(appel, args, w.fenetresDansBarreTaches);
        if (est(nom, u"DisplayRecentFiles")) return booleen(appel, args, w.fichiersRecents);
        if (est(nom, u"DisplayScreenTips")) return booleen(appel, args, w.infobulles);
        if (est(nom, u"DisplayScrollBars")) return booleen(appel, args, w.barresDefilement);
        if (est(nom, u"ScreenUpdating")) return booleen(appel, args, w.miseAJourEcran);
        if (est(nom, u"ChangeFileOpenDirectory"))
            return methode(appel, [&] {
                w.changeDossierCourant(args.requis(0, u"Path").CStr());
                return Variant();
            });
        if (est(nom, u"Activate"))
            return methode(appel, [&] {
                w.bureau().metAuPremierPlan(w.fenetrePrincipale());
                return Variant();
            });
        if (est(nom, u"Quit"))
            return methode(appel, [&] {
                auto s = args.parametre(0, u"SaveChanges");
                w.quitte(s && !s->estVide() ? s->CLng() : word::wd::PromptToSaveChanges);
                return Variant();
            });
        return std::nullopt;
    }

private:
    // WdWindowState: 0 normal, 1 maximised, 2 minimised.
    void changeEtat(int32_t etat) {
        InstanceWord& w = *instance_;
        Hwnd h = w.fenetrePrincipale();
        switch (etat) {
            case 0: w.bureau().changeEtat(h, false, false); break;
            case 1: w.bureau().changeEtat(h, false, true); break;
            case 2: w.bureau().changeEtat(h, true, w.bureau().maximise(h)); break;
            default: leveErreurWord(wderr::ValeurHorsLimites);
        }
    }
};

}  // namespace

ObjetPtr creeApplication(const InstancePtr& i) { return std::make_shared<ApplicationSim>(i); }

}  // namespace k58204::sim
