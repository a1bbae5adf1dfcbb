#pragma once
// Helpers of the text-side tests: an application context with a clipboard
// and an Options.DefaultBorderLineWidth, and open documents built through the
// model's API.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "sim/core/DocumentOuvert.hpp"
#include "sim/doc/Outils.hpp"
#include "support/NumeroErreur.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204::sim::test {

// An automation object answering every member through one function.
class ObjetFactice : public Objet {
public:
    explicit ObjetFactice(std::function<Variant(std::u16string_view)> f) : f_(std::move(f)) {}
    Variant invoke(std::u16string_view membre, Appel, const Arguments&) override { return f_(membre); }

private:
    std::function<Variant(std::u16string_view)> f_;
};

class ContexteFactice : public ContexteWord {
public:
    int32_t largeurBordure = 4;  // Options.DefaultBorderLineWidth
    ObjetPtr document = std::make_shared<ObjetFactice>([](std::u16string_view) { return Variant(); });

    ObjetPtr application() override {
        auto options = std::make_shared<ObjetFactice>([this](std::u16string_view) { return Variant(largeurBordure); });
        return std::make_shared<ObjetFactice>([options](std::u16string_view) { return Variant(ObjetPtr(options)); });
    }
    ObjetPtr objetDocument(const std::shared_ptr<DocumentOuvert>&) override { return document; }
    std::shared_ptr<Garde> garde() override { return nullptr; }
    Fragment& pressePapiers() override { return *pressePapiers_; }
    bool pressePapiersPlein() const override { return pressePapiers_.has_value(); }
    void remplitPressePapiers(Fragment f) override { pressePapiers_ = std::move(f); }

private:
    std::optional<Fragment> pressePapiers_;
};

class TexteTest : public ::testing::Test {
protected:
    // An open, saved document holding `texte` ("\r" between paragraphs; the
    // final mark is added).
    DocumentPtr ouvre(std::u16string_view texte) {
        auto d = std::make_shared<DocumentOuvert>();
        d->modele.inserer(0, texte);
        d->contexte = &contexte;
        d->marqueEnregistre();
        return d;
    }

    ContexteFactice contexte;
};

inline ObjetPtr membre(const ObjetPtr& o, std::u16string_view m, Arguments a = {}) { return o->get(m, std::move(a)).objet(); }

using k58204::test::numeroErreur;

}  // namespace k58204::sim::test
