// Office's CommandBars collection, CommandBar, CommandBarControls and
// CommandBarControl, over the instance's BarresOutils.
#include "sim/core/ErreursWord.hpp"
#include "sim/word/InstanceWord.hpp"
#include "sim/word/Membres.hpp"
#include "sim/word/ObjetsWord.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {

namespace {

// Office answers a bad index or an unknown bar name with "invalid argument" (5).
[[noreturn]] void argumentIncorrect() { leveErreurWord(wderr::ArgumentIncorrect); }

class CommandBarsSim : public ObjetWord {
public:
    using ObjetWord::ObjetWord;

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        BarresOutils& b = instance_->barres();
        if (est(nom, u"Application") || est(nom, u"Parent"))
            return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Count")) return lecture(appel, [&] { return static_cast<int32_t>(b.nombre()); });
        if (est(nom, u"Item") || est(nom, u"")) return lecture(appel, [&] { return item(args.requis(0, u"Index")); });
        if (est(nom, u"DisplayTooltips")) return booleen(appel, args, b.infobulles);
        return std::nullopt;
    }

private:
    ObjetPtr item(const Variant& index) {
        BarresOutils& b = instance_->barres();
        if (index.type() == Variant::Type::String) {
            int32_t i = b.cherche(*index.si<std::u16string>());
            if (i < 0) argumentIncorrect();
            return creeCommandBar(instance_, static_cast<size_t>(i));
        }
        int32_t i = index.CLng();
        if (i < 1 || i > static_cast<int32_t>(b.nombre())) argumentIncorrect();
        return creeCommandBar(instance_, static_cast<size_t>(i - 1));
    }
};

class CommandBarSim : public ObjetWord {
public:
    CommandBarSim(InstancePtr i, size_t barre) : ObjetWord(std::move(i)), barre_(barre) {}

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        BarresOutils& bs = instance_->barres();
        const BarreOutils& b = bs.barre(barre_);
        if (est(nom, u"Application")) return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Parent")) return lecture(appel, [&] { return creeCommandBars(instance_); });
        if (est(nom, u"Name") || est(nom, u"")) return lecture(appel, [&] { return b.nom; });
        if (est(nom, u"NameLocal")) return lecture(appel, [&] { return b.nomLocal; });
        if (est(nom, u"Index")) return lecture(appel, [&] { return static_cast<int32_t>(barre_ + 1); });
        if (est(nom, u"BuiltIn")) return lecture(appel, [] { return true; });
        // MsoBarType: 0 normal, 1 menu bar.
        if (est(nom, u"Type")) return lecture(appel, [&] { return b.position == mso::BarMenuBar ? 1 : 0; });
        if (est(nom, u"Visible"))
            return propriete(appel, args, [&] { return b.visible; },
                             [&](const Variant& v) { bs.changeVisible(barre_, v.CBool()); });
        if (est(nom, u"Enabled"))
            return propriete(appel, args, [&] { return b.active; },
                             [&](const Variant& v) { bs.changeActive(barre_, v.CBool()); });
        if (est(nom, u"Position"))
            return propriete(appel, args, [&] { return b.position; },
                             [&](const Variant& v) { bs.changePosition(barre_, v.CLng()); });
        if (est(nom, u"RowIndex"))
            return propriete(appel, args, [&] { return b.rang; },
                             [&](const Variant& v) { bs.changeRang(barre_, v.CLng()); });
        if (est(nom, u"Controls")) {
            if (appel == Appel::Put) return std::nullopt;
            return collectionOuItem(creeCommandBarControls(instance_, barre_), args);
        }
        return std::nullopt;
    }

private:
    size_t barre_;
};

class CommandBarControlsSim : public ObjetWord {
public:
    CommandBarControlsSim(InstancePtr i, size_t barre) : ObjetWord(std::move(i)), barre_(barre) {}

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const BarreOutils& b = instance_->barres().barre(barre_);
        if (est(nom, u"Application")) return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Parent")) return lecture(appel, [&] { return creeCommandBar(instance_, barre_); });
        if (est(nom, u"Count")) return lecture(appel, [&] { return static_cast<int32_t>(b.controles.size()); });
        if (est(nom, u"Item") || est(nom, u"")) return lecture(appel, [&] { return item(args.requis(0, u"Index")); });
        return std::nullopt;
    }

private:
    // By 1-based position, or by caption without regard to case.
    ObjetPtr item(const Variant& index) {
        const BarreOutils& b = instance_->barres().barre(barre_);
        if (index.type() == Variant::Type::String) {
            std::u16string cle = LCase(*index.si<std::u16string>());
            for (size_t j = 0; j < b.controles.size(); ++j)
                if (LCase(b.controles[j]) == cle) return creeCommandBarControl(instance_, barre_, j);
            argumentIncorrect();
        }
        int32_t i = index.CLng();
        if (i < 1 || i > static_cast<int32_t>(b.controles.size())) argumentIncorrect();
        return creeCommandBarControl(instance_, barre_, static_cast<size_t>(i - 1));
    }

    size_t barre_;
};

class CommandBarControlSim : public ObjetWord {
public:
    CommandBarControlSim(InstancePtr i, size_t barre, size_t controle)
        : ObjetWord(std::move(i)), barre_(barre), controle_(controle) {}

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        BarresOutils& bs = instance_->barres();
        if (est(nom, u"Application")) return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Parent")) return lecture(appel, [&] { return creeCommandBar(instance_, barre_); });
        if (est(nom, u"Caption") || est(nom, u""))
            return propriete(appel, args, [&] { return bs.barre(barre_).controles.at(controle_); },
                             [&](const Variant& v) { bs.changeLegende(barre_, controle_, v.CStr()); });
        if (est(nom, u"Index")) return lecture(appel, [&] { return static_cast<int32_t>(controle_ + 1); });
        if (est(nom, u"Type")) return lecture(appel, [] { return 1; });  // msoControlButton
        // A button's own members: MsoButtonState msoButtonUp, MsoButtonStyle msoButtonAutomatic.
        if (est(nom, u"State")) return lecture(appel, [] { return 0; });
        if (est(nom, u"Style")) return lecture(appel, [] { return 0; });
        if (est(nom, u"Visible")) return lecture(appel, [] { return true; });
        if (est(nom, u"Enabled")) return lecture(appel, [] { return true; });
        return std::nullopt;
    }

private:
    size_t barre_;
    size_t controle_;
};

}  // namespace

ObjetPtr creeCommandBars(const InstancePtr& i) { return std::make_shared<CommandBarsSim>(i); }
ObjetPtr creeCommandBar(const InstancePtr& i, size_t barre) { return std::make_shared<CommandBarSim>(i, barre); }
ObjetPtr creeCommandBarControls(const InstancePtr& i, size_t barre) {
    return std::make_shared<CommandBarControlsSim>(i, barre);
}
ObjetPtr creeCommandBarControl(const InstancePtr& i, size_t barre, size_t controle) {
    return std::make_shared<CommandBarControlSim>(i, barre, controle);
}

}  // namespace k58204::sim
