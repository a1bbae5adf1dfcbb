#pragma once
// Base of the text-side automation objects: each is a view onto one open
// document. Before answering, it checks that the document is still open
// (a closed document's objects raise 5825, as Word's do).
//
// Conventions shared by every object of this folder:
// - A property is read with Appel::Get or Appel::Call alike (VB asks for a
//   value with DISPATCH_METHOD | DISPATCH_PROPERTYGET); methods likewise.
//   A put on a read-only property, or on a method, is an unknown member (438),
//   as IDispatch answers it.
// - Word's Long members answer Variant(int32_t), Single members
//   Variant(float), Boolean-like formatting members (Bold, Italic, Enable)
//   int32_t -1 / 0 / 9999999, true Boolean members Variant(bool).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "sim/core/DocumentOuvert.hpp"
#include "sim/core/ErreursWord.hpp"
#include "sim/core/ObjetSim.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

// Where a formatting object (Font, ParagraphFormat, Borders, Shading...)
// finds the span it applies to, read anew at every call: a Range's current
// span, the selection, a fixed paragraph.
using SourceEtendue = std::function<Etendue()>;

class ObjetTexte : public ObjetSim {
protected:
    explicit ObjetTexte(DocumentPtr doc);

    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) final;
    // The object's members, once the document is known to be open.
    virtual std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) = 0;

    DocumentOuvert& doc() const { return *doc_; }
    const DocumentPtr& docPtr() const { return doc_; }
    // Read access to the model. Always read through this: the model's
    // non-const accessors (proprietes(), styles()) count as changes.
    const ModeleDocument& lecture() const { return doc_->modele; }

    // Range.Document / Range.Application, through the application side.
    Variant objetDocument() const;
    Variant objetApplication() const;

private:
    DocumentPtr doc_;
};

// ---------------------------------------------------------------- members

inline bool estLecture(Appel a) { return a != Appel::Put; }
inline bool estNom(std::u16string_view nom, std::u16string_view attendu) { return memeNom(nom, attendu); }

// ---------------------------------------------------------------- values as Word answers them

// Boolean-like formatting: -1 True, 0 False, 9999999 mixed.
Variant booleenWord(std::optional<bool> v);
Variant longOuIndefini(std::optional<int32_t> v);
Variant singleOuIndefini(std::optional<float> v);
// Names: "" when mixed.
Variant texteOuVide(const std::optional<std::u16string>& v);

// ---------------------------------------------------------------- arguments

// An optional Long argument; a missing or Empty one gives `defaut`.
int32_t entierOptionnel(const ArgumentsSim& args, size_t position, std::u16string_view nom, int32_t defaut);
// The value of a put of a Boolean-like formatting property: True/False, -1/0,
// or wdToggle (9999998), which gives the opposite of `actuel` (a mixed
// value toggles to True).
bool booleenPut(const Variant& v, std::optional<bool> actuel);

// A collection property given arguments answers its Item, as VB code written
// against Word expects: Paragraphs(2), Borders(-1).
Variant collectionOuElement(ObjetPtr collection, const ArgumentsSim& args);
// The 1-based index of a collection's Item: a number, 5941 when it is not in
// 1..nombre.
int32_t indexElement(const Variant& index, int32_t nombre);

}  // namespace k58204::sim
