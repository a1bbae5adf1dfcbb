#pragma once
// Typed facade of the part of Word's object model the component uses, over
// the automation seam, so that call sites read like Word code:
//   app.ActiveDocument().Bookmarks().Item(u"s01").Range().Text()
// Each class holds an Objet and calls its members by name. Values that the
// checks read "by name" and that may be mixed (9999999, "") come back as
// Variant; the others are converted as early binding would.
#include <cstdint>
#include <string>

#include "word/Enumerations.hpp"
#include "word/Objet.hpp"

namespace k58204::word {

class Application;
class Documents;
class Document;
class Windows;
class Window;
class View;
class Selection;
class Range;
class Paragraphs;
class Paragraph;
class Characters;
class Words;
class Font;
class Bookmarks;
class Bookmark;
class FormFields;
class FormField;
class CheckBox;
class ParagraphFormat;
class Borders;
class Border;
class Shading;
class Sections;
class Section;
class PageSetup;
class Options;
class AddIns;
class AddIn;
class MailMerge;
class CommandBars;
class CommandBar;
class CommandBarControls;
class CommandBarControl;

class Facade {
public:
    Facade() = default;
    explicit Facade(ObjetPtr o) : o_(std::move(o)) {}
    const ObjetPtr& objet() const { return o_; }
    bool estVide() const { return !o_; }

protected:
    // The object, or error 91 when the reference is empty.
    Objet& o() const;
    Variant get(std::u16string_view membre, Arguments args = {}) const;
    void put(std::u16string_view membre, Variant valeur, Arguments args = {}) const;
    Variant call(std::u16string_view membre, Arguments args = {}) const;
    ObjetPtr getObjet(std::u16string_view membre, Arguments args = {}) const;

    ObjetPtr o_;
};

class Application : public Facade {
public:
    using Facade::Facade;
    word::Application Application_() const;  // Word's Application.Application
    word::Documents Documents() const;
    word::Windows Windows() const;
    word::Document ActiveDocument() const;
    word::Window ActiveWindow() const;
    word::Selection Selection() const;
    word::Options Options() const;
    word::AddIns AddIns() const;
    word::CommandBars CommandBars() const;
    bool PrintPreview() const;
    void Visible(bool v) const;
    void WindowState(int32_t v) const;
    void DisplayStatusBar(bool v) const;
    // The Boolean application setting the component saves and writes back.
    bool ShowWindowsInTaskbar() const;
    void ShowWindowsInTaskbar(bool v) const;
    void ChangeFileOpenDirectory(const std::u16string& dossier) const;
    // Quit with SaveChanges given by name, the other arguments left out.
    void Quit(int32_t saveChanges) const;
};

class Documents : public Facade {
public:
    using Facade::Facade;
    int32_t Count() const;
    word::Document Item(const Variant& index) const;
    word::Document Open(const std::u16string& fichier) const;  // the file name only
    word::Document Add() const;                                // every argument left out
    void Close() const;                                         // every argument left out
};

class Document : public Facade {
public:
    using Facade::Facade;
    std::u16string Name() const;
    std::u16string FullName() const;
    std::u16string Path() const;
    int32_t Type() const;
    bool HasPassword() const;
    int32_t ProtectionType() const;
    word::Paragraphs Paragraphs() const;
    word::Characters Characters() const;
    word::Bookmarks Bookmarks() const;
    word::FormFields FormFields() const;
    word::Sections Sections() const;
    word::PageSetup PageSetup() const;
    word::MailMerge MailMerge() const;
    word::Window ActiveWindow() const;
    word::Application Application() const;
    bool Saved() const;
    void Saved(bool v) const;
    std::u16string AttachedTemplate() const;
    void AttachedTemplate(const std::u16string& v) const;
    bool ShowSpellingErrors() const;
    void ShowSpellingErrors(bool v) const;
    bool ShowGrammaticalErrors() const;
    void ShowGrammaticalErrors(bool v) const;
    void Activate() const;
    // Close with SaveChanges, the other arguments left out.
    void Close(const Variant& saveChanges) const;
    void PrintPreview() const;
};

class Windows : public Facade {
public:
    using Facade::Facade;
    int32_t Count() const;
};

class Window : public Facade {
public:
    using Facade::Facade;
    std::u16string Caption() const;
    word::View View() const;
    void WindowState(int32_t v) const;
    void DisplayVerticalScrollBar(bool v) const;
    void DisplayScreenTips(bool v) const;
    void StyleAreaWidth(float v) const;
};

class View : public Facade {
public:
    using Facade::Facade;
    int32_t Type() const;
    bool ShowAll() const;
    void ShowAll(bool v) const;
    bool ShowFieldCodes() const;
    void ShowFieldCodes(bool v) const;
};

class Selection : public Facade {
public:
    using Facade::Facade;
    int32_t Start() const;
    int32_t End() const;
    word::Range Range() const;
    word::Document Document() const;
    word::Words Words() const;
    word::ParagraphFormat ParagraphFormat() const;
    word::Borders Borders() const;
    // GoTo with What and Name given by name, Which and Count left out.
    void GoTo(int32_t what, const std::u16string& name) const;
    // HomeKey with Unit given, Extend left out.
    void HomeKey(int32_t unit) const;
};

class Range : public Facade {
public:
    using Facade::Facade;
    std::u16string Text() const;
    int32_t Start() const;
    int32_t End() const;
    word::Paragraphs Paragraphs() const;
    word::Characters Characters() const;
    Variant HighlightColorIndex() const;
    word::Font Font() const;
    Variant Bold() const;
    Variant Italic() const;
};

class Paragraphs : public Facade {
public:
    using Facade::Facade;
    int32_t Count() const;
    word::Paragraph Item(int32_t index) const;
    word::Paragraph Last() const;
    Variant LeftIndent() const;
    Variant FirstLineIndent() const;
    Variant Alignment() const;
    Variant SpaceBefore() const;
    Variant SpaceAfter() const;
    Variant LineSpacingRule() const;
};

class Paragraph : public Facade {
public:
    using Facade::Facade;
    word::Range Range() const;
    float FirstLineIndent() const;
};

class Characters : public Facade {
public:
    using Facade::Facade;
    int32_t Count() const;
    word::Range Item(int32_t index) const;
};

class Words : public Facade {
public:
    using Facade::Facade;
    int32_t Count() const;
};

class Font : public Facade {
public:
    using Facade::Facade;
    Variant Color() const;
    Variant Name() const;
    Variant Size() const;
};

class Bookmarks : public Facade {
public:
    using Facade::Facade;
    word::Bookmark Item(const std::u16string& name) const;
    bool Exists(const std::u16string& name) const;
};

class Bookmark : public Facade {
public:
    using Facade::Facade;
    word::Range Range() const;
    int32_t Start() const;
    int32_t End() const;
    void Select() const;
};

class FormFields : public Facade {
public:
    using Facade::Facade;
    int32_t Count() const;
    word::FormField Item(int32_t index) const;
};

class FormField : public Facade {
public:
    using Facade::Facade;
    word::CheckBox CheckBox() const;
};

class CheckBox : public Facade {
public:
    using Facade::Facade;
    bool Value() const;
};

class ParagraphFormat : public Facade {
public:
    using Facade::Facade;
    word::Borders Borders() const;
    word::Shading Shading() const;
};

class Borders : public Facade {
public:
    using Facade::Facade;
    int32_t Enable() const;
    word::Border Item(int32_t index) const;
};

class Border : public Facade {
public:
    using Facade::Facade;
    int32_t LineWidth() const;
};

class Shading : public Facade {
public:
    using Facade::Facade;
    int32_t BackgroundPatternColorIndex() const;
};

class Sections : public Facade {
public:
    using Facade::Facade;
    word::Section Item(int32_t index) const;
};

class Section : public Facade {
public:
    using Facade::Facade;
    word::PageSetup PageSetup() const;
};

class PageSetup : public Facade {
public:
    using Facade::Facade;
    int32_t Orientation() const;
    float TopMargin() const;
};

class Options : public Facade {
public:
    using Facade::Facade;
    std::u16string DefaultFilePath(int32_t path) const;
    void DefaultFilePath(int32_t path, const std::u16string& v) const;
    int32_t MeasurementUnit() const;
};

class AddIns : public Facade {
public:
    using Facade::Facade;
    int32_t Count() const;
    word::AddIn Item(int32_t index) const;
};

class AddIn : public Facade {
public:
    using Facade::Facade;
    std::u16string Name() const;
    void Delete() const;
};

class MailMerge : public Facade {
public:
    using Facade::Facade;
    int32_t MainDocumentType() const;
    void MainDocumentType(int32_t v) const;
};

class CommandBars : public Facade {
public:
    using Facade::Facade;
    word::CommandBar Item(const std::u16string& name) const;
    bool DisplayTooltips() const;
    void DisplayTooltips(bool v) const;
};

class CommandBar : public Facade {
public:
    using Facade::Facade;
    bool Visible() const;
    void Visible(bool v) const;
    bool Enabled() const;
    void Enabled(bool v) const;
    int32_t Position() const;
    void Position(int32_t v) const;
    int32_t RowIndex() const;
    void RowIndex(int32_t v) const;
    word::CommandBarControls Controls() const;
};

class CommandBarControls : public Facade {
public:
    using Facade::Facade;
    word::CommandBarControl Item(int32_t index) const;
};

class CommandBarControl : public Facade {
public:
    using Facade::Facade;
    std::u16string Caption() const;
};

}  // namespace k58204::word
