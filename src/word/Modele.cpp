#include "word/Modele.hpp"

#include "word/Erreur.hpp"

namespace k58204::word {

Objet& Facade::o() const {
    if (!o_) leveErreurExecution(err::ObjetNonDefini);
    return *o_;
}
Variant Facade::get(std::u16string_view m, Arguments a) const { return o().get(m, std::move(a)); }
void Facade::put(std::u16string_view m, Variant v, Arguments a) const { o().put(m, std::move(v), std::move(a)); }
Variant Facade::call(std::u16string_view m, Arguments a) const { return o().call(m, std::move(a)); }
ObjetPtr Facade::getObjet(std::u16string_view m, Arguments a) const { return get(m, std::move(a)).objet(); }

// Application
word::Application Application::Application_() const { return word::Application(getObjet(u"Application")); }
word::Documents Application::Documents() const { return word::Documents(getObjet(u"Documents")); }
word::Windows Application::Windows() const { return word::Windows(getObjet(u"Windows")); }
word::Document Application::ActiveDocument() const { return word::Document(getObjet(u"ActiveDocument")); }
word::Window Application::ActiveWindow() const { return word::Window(getObjet(u"ActiveWindow")); }
word::Selection Application::Selection() const { return word::Selection(getObjet(u"Selection")); }
word::Options Application::Options() const { return word::Options(getObjet(u"Options")); }
word::AddIns Application::AddIns() const { return word::AddIns(getObjet(u"AddIns")); }
word::CommandBars Application::CommandBars() const { return word::CommandBars(getObjet(u"CommandBars")); }
bool Application::PrintPreview() const { return get(u"PrintPreview").CBool(); }
void Application::Visible(bool v) const { put(u"Visible", v); }
void Application::WindowState(int32_t v) const { put(u"WindowState", v); }
void Application::DisplayStatusBar(bool v) const { put(u"DisplayStatusBar", v); }
bool Application::ShowWindowsInTaskbar() const { return get(u"ShowWindowsInTaskbar").CBool(); }
void Application::ShowWindowsInTaskbar(bool v) const { put(u"ShowWindowsInTaskbar", v); }
void Application::ChangeFileOpenDirectory(const std::u16string& d) const { call(u"ChangeFileOpenDirectory", {d}); }
namespace {

// The RPC failures a call takes when the server's process goes before its
// reply. A server already gone before the call gives 462 instead.
bool serveurTermineEnCours(const Erreur& e) {
    switch (static_cast<uint32_t>(e.numero())) {
        case 0x800706BEu:  // RPC_S_CALL_FAILED
        case 0x800706BFu:  // RPC_S_CALL_FAILED_DNE
        case 0x80010007u:  // RPC_E_SERVER_DIED
        case 0x80010012u:  // RPC_E_SERVER_DIED_DNE
            return true;
        default: return false;
    }
}

}  // namespace

void Application::Quit(int32_t saveChanges) const {
    try {
        call(u"Quit", {nomme(u"SaveChanges", saveChanges)});
    } catch (const Erreur& e) {
        // A Word whose process ends before its reply to Quit has quit all the same.
        if (!serveurTermineEnCours(e)) throw;
    }
}

// Documents
int32_t Documents::Count() const { return get(u"Count").CLng(); }
word::Document Documents::Item(const Variant& i) const { return word::Document(call(u"Item", {i}).objet()); }
word::Document Documents::Open(const std::u16string& f) const { return word::Document(call(u"Open", {f}).objet()); }
word::Document Documents::Add() const { return word::Document(call(u"Add").objet()); }
void Documents::Close() const { call(u"Close"); }

// Document
std::u16string Document::Name() const { return get(u"Name").CStr(); }
std::u16string Document::FullName() const { return get(u"FullName").CStr(); }
std::u16string Document::Path() const { return get(u"Path").CStr(); }
int32_t Document::Type() const { return get(u"Type").CLng(); }
bool Document::HasPassword() const { return get(u"HasPassword").CBool(); }
int32_t Document::ProtectionType() const { return get(u"ProtectionType").CLng(); }
word::Paragraphs Document::Paragraphs() const { return word::Paragraphs(getObjet(u"Paragraphs")); }
word::Characters Document::Characters() const { return word::Characters(getObjet(u"Characters")); }
word::Bookmarks Document::Bookmarks() const { return word::Bookmarks(getObjet(u"Bookmarks")); }
word::FormFields Document::FormFields() const { return word::FormFields(getObjet(u"FormFields")); }
word::Sections Document::Sections() const { return word::Sections(getObjet(u"Sections")); }
word::PageSetup Document::PageSetup() const { return word::PageSetup(getObjet(u"PageSetup")); }
word::MailMerge Document::MailMerge() const { return word::MailMerge(getObjet(u"MailMerge")); }
word::Window Document::ActiveWindow() const { return word::Window(getObjet(u"ActiveWindow")); }
word::Application Document::Application() const { return word::Application(getObjet(u"Application")); }
bool Document::Saved() const { return get(u"Saved").CBool(); }
void Document::Saved(bool v) const { put(u"Saved", v); }
std::u16string Document::AttachedTemplate() const { return get(u"AttachedTemplate").CStr(); }
void Document::AttachedTemplate(const std::u16string& v) const { put(u"AttachedTemplate", v); }
bool Document::ShowSpellingErrors() const { return get(u"ShowSpellingErrors").CBool(); }
void Document::ShowSpellingErrors(bool v) const { put(u"ShowSpellingErrors", v); }
bool Document::ShowGrammaticalErrors() const { return get(u"ShowGrammaticalErrors").CBool(); }
void Document::ShowGrammaticalErrors(bool v) const { put(u"ShowGrammaticalErrors", v); }
void Document::Activate() const { call(u"Activate"); }
void Document::Close(const Variant& s) const { call(u"Close", {nomme(u"SaveChanges", s)}); }
void Document::PrintPreview() const { call(u"PrintPreview"); }

// Windows, Window, View
int32_t Windows::Count() const { return get(u"Count").CLng(); }
std::u16string Window::Caption() const { return get(u"Caption").CStr(); }
word::View Window::View() const { return word::View(getObjet(u"View")); }
void Window::WindowState(int32_t v) const { put(u"WindowState", v); }
void Window::DisplayVerticalScrollBar(bool v) const { put(u"DisplayVerticalScrollBar", v); }
void Window::DisplayScreenTips(bool v) const { put(u"DisplayScreenTips", v); }
void Window::StyleAreaWidth(float v) const { put(u"StyleAreaWidth", v); }
int32_t View::Type() const { return get(u"Type").CLng(); }
bool View::ShowAll() const { return get(u"ShowAll").CBool(); }
void View::ShowAll(bool v) const { put(u"ShowAll", v); }
bool View::ShowFieldCodes() const { return get(u"ShowFieldCodes").CBool(); }
void View::ShowFieldCodes(bool v) const { put(u"ShowFieldCodes", v); }

// Selection
int32_t Selection::Start() const { return get(u"Start").CLng(); }
int32_t Selection::End() const { return get(u"End").CLng(); }
word::Range Selection::Range() const { return word::Range(getObjet(u"Range")); }
word::Document Selection::Document() const { return word::Document(getObjet(u"Document")); }
word::Words Selection::Words() const { return word::Words(getObjet(u"Words")); }
word::ParagraphFormat Selection::ParagraphFormat() const { return word::ParagraphFormat(getObjet(u"ParagraphFormat")); }
word::Borders Selection::Borders() const { return word::Borders(getObjet(u"Borders")); }
void Selection::GoTo(int32_t what, const std::u16string& name) const {
    call(u"GoTo", {nomme(u"What", what), nomme(u"Name", name)});
}
void Selection::HomeKey(int32_t unit) const { call(u"HomeKey", {nomme(u"Unit", unit)}); }

// Range
std::u16string Range::Text() const { return get(u"Text").CStr(); }
int32_t Range::Start() const { return get(u"Start").CLng(); }
int32_t Range::End() const { return get(u"End").CLng(); }
word::Paragraphs Range::Paragraphs() const { return word::Paragraphs(getObjet(u"Paragraphs")); }
word::Characters Range::Characters() const { return word::Characters(getObjet(u"Characters")); }
Variant Range::HighlightColorIndex() const { return get(u"HighlightColorIndex"); }
word::Font Range::Font() const { return word::Font(getObjet(u"Font")); }
Variant Range::Bold() const { return get(u"Bold"); }
Variant Range::Italic() const { return get(u"Italic"); }

// Paragraphs, Paragraph, Characters, Words, Font
int32_t Paragraphs::Count() const { return get(u"Count").CLng(); }
word::Paragraph Paragraphs::Item(int32_t i) const { return word::Paragraph(call(u"Item", {i}).objet()); }
word::Paragraph Paragraphs::Last() const { return word::Paragraph(getObjet(u"Last")); }
Variant Paragraphs::LeftIndent() const { return get(u"LeftIndent"); }
Variant Paragraphs::FirstLineIndent() const { return get(u"FirstLineIndent"); }
Variant Paragraphs::Alignment() const { return get(u"Alignment"); }
Variant Paragraphs::SpaceBefore() const { return get(u"SpaceBefore"); }
Variant Paragraphs::SpaceAfter() const { return get(u"SpaceAfter"); }
Variant Paragraphs::LineSpacingRule() const { return get(u"LineSpacingRule"); }
word::Range Paragraph::Range() const { return word::Range(getObjet(u"Range")); }
float Paragraph::FirstLineIndent() const { return get(u"FirstLineIndent").CSng(); }
int32_t Characters::Count() const { return get(u"Count").CLng(); }
word::Range Characters::Item(int32_t i) const { return word::Range(call(u"Item", {i}).objet()); }
int32_t Words::Count() const { return get(u"Count").CLng(); }
Variant Font::Color() const { return get(u"Color"); }
Variant Font::Name() const { return get(u"Name"); }
Variant Font::Size() const { return get(u"Size"); }

// Bookmarks, form fields
word::Bookmark Bookmarks::Item(const std::u16string& n) const { return word::Bookmark(call(u"Item", {n}).objet()); }
bool Bookmarks::Exists(const std::u16string& n) const { return call(u"Exists", {n}).CBool(); }
word::Range Bookmark::Range() const { return word::Range(getObjet(u"Range")); }
int32_t Bookmark::Start() const { return get(u"Start").CLng(); }
int32_t Bookmark::End() const { return get(u"End").CLng(); }
void Bookmark::Select() const { call(u"Select"); }
int32_t FormFields::Count() const { return get(u"Count").CLng(); }
word::FormField FormFields::Item(int32_t i) const { return word::FormField(call(u"Item", {i}).objet()); }
word::CheckBox FormField::CheckBox() const { return word::CheckBox(getObjet(u"CheckBox")); }
bool CheckBox::Value() const { return get(u"Value").CBool(); }

// Paragraph format, borders, shading, sections, page setup
word::Borders ParagraphFormat::Borders() const { return word::Borders(getObjet(u"Borders")); }
word::Shading ParagraphFormat::Shading() const { return word::Shading(getObjet(u"Shading")); }
int32_t Borders::Enable() const { return get(u"Enable").CLng(); }
word::Border Borders::Item(int32_t i) const { return word::Border(call(u"Item", {i}).objet()); }
int32_t Border::LineWidth() const { return get(u"LineWidth").CLng(); }
int32_t Shading::BackgroundPatternColorIndex() const { return get(u"BackgroundPatternColorIndex").CLng(); }
word::Section Sections::Item(int32_t i) const { return word::Section(call(u"Item", {i}).objet()); }
word::PageSetup Section::PageSetup() const { return word::PageSetup(getObjet(u"PageSetup")); }
int32_t PageSetup::Orientation() const { return get(u"Orientation").CLng(); }
float PageSetup::TopMargin() const { return get(u"TopMargin").CSng(); }

// Options, add-ins, mail merge
std::u16string Options::DefaultFilePath(int32_t p) const { return get(u"DefaultFilePath", {p}).CStr(); }
void Options::DefaultFilePath(int32_t p, const std::u16string& v) const { put(u"DefaultFilePath", v, {p}); }
int32_t Options::MeasurementUnit() const { return get(u"MeasurementUnit").CLng(); }
int32_t AddIns::Count() const { return get(u"Count").CLng(); }
word::AddIn AddIns::Item(int32_t i) const { return word::AddIn(call(u"Item", {i}).objet()); }
std::u16string AddIn::Name() const { return get(u"Name").CStr(); }
void AddIn::Delete() const { call(u"Delete"); }
int32_t MailMerge::MainDocumentType() const { return get(u"MainDocumentType").CLng(); }
void MailMerge::MainDocumentType(int32_t v) const { put(u"MainDocumentType", v); }

// Command bars
word::CommandBar CommandBars::Item(const std::u16string& n) const { return word::CommandBar(call(u"Item", {n}).objet()); }
bool CommandBars::DisplayTooltips() const { return get(u"DisplayTooltips").CBool(); }
void CommandBars::DisplayTooltips(bool v) const { put(u"DisplayTooltips", v); }
bool CommandBar::Visible() const { return get(u"Visible").CBool(); }
void CommandBar::Visible(bool v) const { put(u"Visible", v); }
bool CommandBar::Enabled() const { return get(u"Enabled").CBool(); }
void CommandBar::Enabled(bool v) const { put(u"Enabled", v); }
int32_t CommandBar::Position() const { return get(u"Position").CLng(); }
void CommandBar::Position(int32_t v) const { put(u"Position", v); }
int32_t CommandBar::RowIndex() const { return get(u"RowIndex").CLng(); }
void CommandBar::RowIndex(int32_t v) const { put(u"RowIndex", v); }
word::CommandBarControls CommandBar::Controls() const { return word::CommandBarControls(getObjet(u"Controls")); }
word::CommandBarControl CommandBarControls::Item(int32_t i) const {
    return word::CommandBarControl(call(u"Item", {i}).objet());
}
std::u16string CommandBarControl::Caption() const { return get(u"Caption").CStr(); }

}  // namespace k58204::word
