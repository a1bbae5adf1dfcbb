// Cost of the simulated document: loading a WordprocessingML file, a
// learner's edits, formatting queries. Each grows linearly with the size of
// the document (Complexity oN), none quadratically.
#include <benchmark/benchmark.h>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

// A document of about `caracteres` characters: paragraphs of ~120
// characters, a bold word every few words, a bookmark every 20 paragraphs,
// a few paragraph formats.
ModeleDocument genere(int64_t caracteres) {
    ModeleDocument d;
    const std::u16string phrase = u"Il l'avait finalement trouv\u00e9. Les rapaces ne l'auraient pas, et il allait ";
    FormatCaractere gras;
    gras.gras = true;
    FormatParagraphe justifie;
    justifie.alignement = 3;
    justifie.retraitGauche = 720;
    int32_t numero = 0;
    while (d.longueur() < caracteres) {
        int32_t debut = d.longueur() - 1;
        int32_t fin = d.inserer(debut, phrase + phrase.substr(0, 40) + u"\r");
        d.appliquerCaracteres(debut + 3, debut + 10, gras);
        if (numero % 3 == 0) d.appliquerParagraphes(debut, debut, justifie);
        if (numero % 20 == 0) {
            std::u16string nom = u"s" + std::u16string(1, static_cast<char16_t>(u'a' + (numero / 20) % 26)) +
                                 std::u16string(1, static_cast<char16_t>(u'0' + (numero / 520) % 10));
            d.ajouterSignet(nom, debut + 11, fin - 5);
        }
        ++numero;
    }
    return d;
}

void BM_Chargement(benchmark::State& state) {
    const std::string xml = ecrireWordML(genere(state.range(0)));
    for (auto _ : state) {
        ModeleDocument d = lireWordML(xml);
        benchmark::DoNotOptimize(d.longueur());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(xml.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Chargement)->RangeMultiplier(4)->Range(16 << 10, 1 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_Enregistrement(benchmark::State& state) {
    const ModeleDocument d = genere(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(ecrireWordML(d).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Enregistrement)->RangeMultiplier(4)->Range(16 << 10, 1 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// A learner's edit sequence in the middle of the document: typing a word a
// character at a time, deleting it back, bolding a passage, breaking a
// paragraph and joining it again, typing over a selection, reading the
// formatting and the word count of the passage. Net effect: none.
void BM_EditionsApprenant(benchmark::State& state) {
    ModeleDocument d = genere(state.range(0));
    const int32_t milieu = d.paragraphe(d.nombreParagraphes() / 2).debut + 20;
    FormatCaractere gras;
    for (auto _ : state) {
        int32_t p = milieu;
        for (char16_t c : std::u16string(u"Jean-Pierre ")) p = d.inserer(p, std::u16string_view(&c, 1));
        for (int k = 0; k < 12; ++k) d.supprimer(p - 1, p), --p;
        gras.gras = true;
        d.appliquerCaracteres(milieu, milieu + 30, gras);
        d.insererParagraphe(milieu + 10);
        d.supprimer(milieu + 10, milieu + 11);
        d.remplacer(milieu, milieu + 5, u"XXXXX", Remplacement::Frappe);
        benchmark::DoNotOptimize(d.formatCaracteres(milieu, milieu + 60).gras);
        benchmark::DoNotOptimize(d.formatParagraphes(milieu, milieu + 200).alignement);
        benchmark::DoNotOptimize(d.nombreMots(milieu, milieu + 120));
        gras.gras = false;
        d.appliquerCaracteres(milieu, milieu + 30, gras);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_EditionsApprenant)->RangeMultiplier(4)->Range(16 << 10, 1 << 20)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

// Formatting of the whole document (Content.Bold, Content.Paragraphs.Alignment).
void BM_FormatDuContenu(benchmark::State& state) {
    ModeleDocument d = genere(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.formatCaracteres(0, d.longueur()).police);
        benchmark::DoNotOptimize(d.formatParagraphes(0, d.longueur()).retraitGauche);
        benchmark::DoNotOptimize(d.nombreMots(0, d.longueur()));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FormatDuContenu)->RangeMultiplier(4)->Range(16 << 10, 1 << 20)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

}  // namespace
}  // namespace k58204::sim
