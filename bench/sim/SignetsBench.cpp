// Reading a document with many bookmarks: linear in their number (each name
// is found through an index, not compared with every bookmark read before).
#include <benchmark/benchmark.h>

#include <string>

#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

// One paragraph holding `n` bookmarks, each around a character of its own.
std::string documentSignets(int64_t n) {
    std::string x =
        "<w:wordDocument xmlns:w=\"http://schemas.microsoft.com/office/word/2003/wordml\" "
        "xmlns:aml=\"http://schemas.microsoft.com/aml/2001/core\"><w:body><w:p>";
    for (int64_t i = 0; i < n; ++i) {
        const std::string id = std::to_string(i);
        x += "<aml:annotation aml:id=\"" + id + "\" w:type=\"Word.Bookmark.Start\" w:name=\"Signet" + id +
             "\"/><w:r><w:t>x</w:t></w:r><aml:annotation aml:id=\"" + id + "\" w:type=\"Word.Bookmark.End\"/>";
    }
    return x + "</w:p></w:body></w:wordDocument>";
}

void BM_ChargementSignets(benchmark::State& state) {
    const std::string xml = documentSignets(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(lireWordML(xml).nombreSignets());
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ChargementSignets)->RangeMultiplier(2)->Range(12500, 100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
}  // namespace k58204::sim
