// Reading WordprocessingML 2003 into a ModeleDocument, and the reader's walk
// shared with the 2006 vocabulary (sim/doc/LectureWordML.hpp).
#include <rapidxml/rapidxml.hpp>

#include <algorithm>
#include <charconv>
#include <map>
#include <vector>

#include "sim/doc/FFData.hpp"
#include "sim/doc/LectureWordML.hpp"
#include "sim/doc/NombresWordML.hpp"
#include "sim/doc/ProfondeurXml.hpp"
#include "sim/doc/WordML.hpp"
#include "sim/doc/WordMLTables.hpp"
#include "word/Texte.hpp"

namespace k58204::sim::lecture {

std::optional<CaseACocher> Lecture::lireFfData(const Noeud* ffData) const {
    CaseACocher c;
    const Noeud* boite = nullptr;
    for (auto* e = ffData->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "name")) c.nom = u16(texteAttribut(e, "val").value_or(""));
        else if (est(e, p_.w, "checkBox")) boite = e;
    }
    if (!boite) return std::nullopt;  // a text or drop-down field
    std::optional<bool> coche;
    for (auto* e = boite->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "default")) c.parDefaut = bascule(e).value_or(false);
        else if (est(e, p_.w, "checked")) coche = bascule(e);
        else if (est(e, p_.w, "size")) {
            if (auto v = entier(e, "val"); v && *v > 0 && *v <= 3276) c.demiPoints = *v;
        }
    }
    // Without w:checked the box shows its default.
    c.coche = coche.value_or(c.parDefaut);
    return c;
}

std::string Lecture::contenu(const Noeud* n) const {
    std::string s;
    bool donnees = false;
    for (auto* c = n->first_node(); c; c = c->next_sibling()) {
        if (c->type() == rapidxml::node_data || c->type() == rapidxml::node_cdata) {
            s.append(c->value(), c->value_size());
            donnees = true;
        }
    }
    if (donnees || n->first_node()) return s;
    // No child at all: either <x/>, <x></x>, or whitespace the parser skipped.
    // The name points into the parsing buffer, a copy of the original bytes.
    auto debut = static_cast<size_t>(n->name() - tampon_);
    if (debut >= original_.size()) return s;
    char guillemet = 0;
    size_t i = debut;
    for (; i < original_.size(); ++i) {
        char c = original_[i];
        if (guillemet) {
            if (c == guillemet) guillemet = 0;
        } else if (c == '"' || c == '\'') {
            guillemet = c;
        } else if (c == '>') {
            break;
        }
    }
    if (i >= original_.size() || original_[i - 1] == '/') return s;
    for (size_t j = i + 1; j < original_.size() && original_[j] != '<'; ++j) s += original_[j];
    return s;
}

FormatCaractere Lecture::lireRPr(const Noeud* rPr) const {
    FormatCaractere f;
    if (!rPr) return f;
    for (auto* e = rPr->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "b")) f.gras = bascule(e);
        else if (est(e, p_.w, "i")) f.italique = bascule(e);
        else if (est(e, p_.w, "color")) {
            if (auto v = texteAttribut(e, "val")) f.couleur = couleur(*v);
        } else if (est(e, p_.w, "sz")) {
            if (auto v = entier(e, "val"); v && *v > 0 && *v <= 3276) f.demiPoints = v;
        } else if (est(e, p_.w, "rFonts")) {
            auto v = texteAttribut(e, "ascii");
            if (!v) v = texteAttribut(e, d_.hAnsi);
            if (v) f.police = u16(*v);
            else if (d_.v2006) f.police = policeDuTheme(e);
        } else if (est(e, p_.w, "highlight")) {
            if (auto v = texteAttribut(e, "val")) f.surlignage = wordml::surlignageDeNom(valeur(*v));
        } else if (est(e, p_.w, "rStyle")) {
            // An empty name is no character style, as the writer leaves it out.
            if (auto v = texteAttribut(e, "val"); v && !v->empty()) f.styleCaractere = u16(*v);
        } else if (est(e, p_.w, "bdr")) {
            f.bordure = lireBordure(e);
        } else if (est(e, p_.w, "lang")) {
            if (auto v = texteAttribut(e, "val"); v && !v->empty()) f.langue = u16(*v);
        }
    }
    return f;
}

Bordure Lecture::lireBordure(const Noeud* b) const {
    Bordure bd;
    if (auto v = texteAttribut(b, "val")) bd.style = wordml::traitDeNom(valeur(*v)).value_or(trait::Simple);
    if (bd.presente()) {
        bd.largeur = entier(b, "sz").value_or(LargeurBordureParDefaut);
        bd.espace = entier(b, "space").value_or(0);
        if (auto v = texteAttribut(b, "color")) bd.couleur = couleur(*v).value_or(CouleurAuto);
    }
    return bd;
}

MiseEnPage Lecture::lireSectPr(const Noeud* s) const {
    MiseEnPage m;
    for (auto* e = s->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "pgSz")) {
            if (auto v = twips(e, "w"); v && *v > 0) m.largeur = *v;
            if (auto v = twips(e, "h"); v && *v > 0) m.hauteur = *v;
            auto o = texteAttribut(e, "orient");
            m.orientation = o && *o == "landscape" ? 1 : 0;
        } else if (est(e, p_.w, "pgMar")) {
            if (auto v = twips(e, "top")) m.margeHaut = *v;
            if (auto v = twips(e, "bottom")) m.margeBas = *v;
            if (auto v = twips(e, "left")) m.margeGauche = *v;
            if (auto v = twips(e, "right")) m.margeDroite = *v;
            if (auto v = twips(e, "header")) m.entete = *v;
            if (auto v = twips(e, "footer")) m.pied = *v;
            if (auto v = twips(e, "gutter")) m.reliure = *v;
        }
    }
    return m;
}

FormatParagraphe Lecture::lirePPr(const Noeud* pPr, FormatCaractere* marque, std::optional<MiseEnPage>* section) const {
    FormatParagraphe f;
    if (!pPr) return f;
    for (auto* e = pPr->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "pStyle")) {
            if (auto v = texteAttribut(e, "val")) f.style = u16(*v);
        } else if (est(e, p_.w, "jc")) {
            if (auto v = texteAttribut(e, "val")) {
                // 2006's start and end are the left and right of left-to-right text.
                std::string a = valeur(*v);
                if (d_.v2006 && a == "start") a = "left";
                else if (d_.v2006 && a == "end") a = "right";
                f.alignement = wordml::alignementDeNom(a);
            }
        } else if (est(e, p_.w, "ind")) {
            if (auto v = twips(e, "left")) f.retraitGauche = v;
            if (auto v = twips(e, "right")) f.retraitDroit = v;
            if (d_.v2006) {
                if (auto v = twips(e, "start")) f.retraitGauche = v;
                if (auto v = twips(e, "end")) f.retraitDroit = v;
            }
            if (auto v = twips(e, d_.premiereLigne)) f.retraitPremiereLigne = v;
            if (auto v = twips(e, "hanging")) f.retraitPremiereLigne = -*v;
        } else if (est(e, p_.w, "spacing")) {
            if (auto v = twips(e, "before")) f.espaceAvant = v;
            if (auto v = twips(e, "after")) f.espaceApres = v;
            // Exact and minimum line spacing are in twips, auto in 240ths of a line.
            auto lu = texteAttribut(e, d_.regleLigne);
            std::optional<std::string> r;
            if (lu) r = valeur(*lu);
            RegleLigne regle = r && *r == "exact"      ? RegleLigne::Exacte
                               : r && *r == "at-least" ? RegleLigne::AuMoins
                                                       : Interligne{}.regle;
            auto v = regle == Interligne{}.regle ? entier(e, "line") : twips(e, "line");
            if (v && *v > 0) f.interligne = Interligne{regle, *v};
        } else if (est(e, p_.w, "pBdr")) {
            static constexpr std::string_view Cotes[NombreCotes] = {"top", "left", "bottom", "right"};
            // 2006 also names the left and right sides start and end.
            static constexpr std::string_view Cotes2006[NombreCotes] = {"top", "start", "bottom", "end"};
            for (auto* b = e->first_node(); b; b = b->next_sibling()) {
                for (size_t c = 0; c < NombreCotes; ++c) {
                    if (!est(b, p_.w, Cotes[c]) && !(d_.v2006 && est(b, p_.w, Cotes2006[c]))) continue;
                    f.bordures[c] = lireBordure(b);
                }
            }
        } else if (est(e, p_.w, "shd")) {
            auto val = texteAttribut(e, "val");
            std::optional<int32_t> fond;
            if (auto v = texteAttribut(e, "fill")) fond = couleur(*v);
            // Solid shading shows its pattern colour.
            if (val && *val == "solid")
                if (auto v = texteAttribut(e, "color"); v && couleur(*v) != CouleurAuto) fond = couleur(*v);
            if (val && *val == "nil") fond = CouleurAuto;
            f.ombrage = fond.value_or(CouleurAuto);
        } else if (est(e, p_.w, "rPr")) {
            if (marque) *marque = lireRPr(e);
        } else if (est(e, p_.w, "sectPr")) {
            if (section) *section = lireSectPr(e);
        }
    }
    return f;
}

void Lecture::lireStyles(const Noeud* styles) {
    const Noeud* defauts = nullptr;
    for (auto* e = styles->first_node(); e; e = e->next_sibling()) {
        if (d_.v2006 && e->type() == rapidxml::node_element && est(e, p_.w, "docDefaults")) defauts = e;
        if (e->type() != rapidxml::node_element || !est(e, p_.w, "style")) continue;
        Style s;
        auto type = texteAttribut(e, "type");
        if (type && *type != "paragraph" && *type != "character") continue;  // tables, lists
        s.type = type && *type == "character" ? TypeStyle::Caractere : TypeStyle::Paragraphe;
        auto id = texteAttribut(e, "styleId");
        if (!id || id->empty()) continue;
        s.id = u16(*id);
        auto def = texteAttribut(e, "default");
        s.parDefaut = def && surOff(*def).value_or(false);
        for (auto* x = e->first_node(); x; x = x->next_sibling()) {
            if (x->type() != rapidxml::node_element) continue;
            if (est(x, p_.w, "name")) s.nom = u16(texteAttribut(x, "val").value_or(""));
            else if (est(x, p_.w, "basedOn")) s.basePour = u16(texteAttribut(x, "val").value_or(""));
            else if (est(x, p_.w, "next")) s.suivant = u16(texteAttribut(x, "val").value_or(""));
            else if (est(x, p_.w, "rPr")) s.caracteres = lireRPr(x);
            else if (est(x, p_.w, "pPr")) {
                s.paragraphe = lirePPr(x, nullptr, nullptr);
                s.paragraphe.style.reset();
            }
        }
        s.caracteres.styleCaractere.reset();
        c_.styles().ajouter(std::move(s));
    }
    if (defauts) lireDefauts(defauts);
}



void Lecture::lireDocPr(const Noeud* docPr) {
    auto& pr = c_.proprietes();
    for (auto* e = docPr->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "view")) {
            if (auto v = texteAttribut(e, "val")) pr.vue = wordml::vueDeNom(valeur(*v)).value_or(pr.vue);
        } else if (est(e, p_.w, "zoom")) {
            if (auto v = entier(e, "percent"); v && *v >= 10 && *v <= 500) pr.zoom = *v;
        } else if (est(e, p_.w, "defaultTabStop")) {
            if (auto v = twips(e, "val"); v && *v > 0) pr.tabulationParDefaut = *v;
        } else if (est(e, p_.w, "attachedTemplate")) {
            pr.modeleAttache = d_.v2006 ? modeleDesReglages(e) : u16(texteAttribut(e, "val").value_or(""));
        } else if (est(e, p_.w, "documentProtection")) {
            auto edit = texteAttribut(e, "edit");
            auto enforcement = texteAttribut(e, "enforcement");
            bool actif = enforcement && surOff(*enforcement).value_or(false);
            pr.protection = actif && edit ? wordml::protectionDeNom(valeur(*edit)).value_or(-1) : -1;
            // 2006 keeps only a salted, iterated hash of the password (w:hash,
            // w:hashValue), from which the 32-bit key the model holds cannot be
            // had back: a 2006 document's protection is read without password.
            pr.cleMotDePasse = u16(texteAttribut(e, "unprotectPassword").value_or(""));
        }
    }
}

void Lecture::lireProprietes(const Noeud* props) {
    for (auto* e = props->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.o, "Title")) c_.proprietes().titre = u16(contenu(e));
        else if (est(e, p_.o, "Author")) c_.proprietes().auteur = u16(contenu(e));
    }
}

void Lecture::annotation(const Noeud* a) {
    std::optional<std::string_view> type, id, nomSignet;
    for (auto* x = a->first_attribute(); x; x = x->next_attribute()) {
        std::string_view n(x->name(), x->name_size());
        std::string_view v(x->value(), x->value_size());
        auto q = [](const std::string& prefixe, const char* local) {
            return prefixe.empty() ? std::string(local) : prefixe + ":" + local;
        };
        if (n == q(p_.w, "type")) type = v;
        else if (n == q(p_.aml, "id")) id = v;
        else if (n == q(p_.w, "name")) nomSignet = v;
    }
    if (!type || !id) return;
    if (*type == "Word.Bookmark.Start" && nomSignet) debutSignet(*id, *nomSignet);
    else if (*type == "Word.Bookmark.End") finSignet(*id);
}

void Lecture::debutSignet(std::string_view id, std::string_view nomSignet) {
    DebutSignet d{u16(nomSignet), c_.position(), debutsLus_++};
    auto [it, nouveau] = debutsSignets_.try_emplace(std::string(id), d);
    if (!nouveau) {
        // The same id opened twice: the earlier start has no end of its own.
        avertir("signet « " + std::string(versUtf8(it->second.nom)) + " » ignoré : son début (" +
                std::string(d_.idSignet) + " " + std::string(id) + ") n'a pas de fin");
        it->second = std::move(d);
    }
}

void Lecture::finSignet(std::string_view id) {
    auto it = debutsSignets_.find(id);
    if (it == debutsSignets_.end()) {
        avertir("fin de signet ignorée : aucun début de signet n'a l'" + std::string(d_.idSignet) + " " +
                std::string(id));
        return;
    }
    c_.ajouterSignet(it->second.nom, it->second.position, c_.position());
    debutsSignets_.erase(it);
}


void Lecture::signetsSansFin() {
    std::vector<std::pair<const std::string*, const DebutSignet*>> restants;
    for (const auto& [id, d] : debutsSignets_) restants.emplace_back(&id, &d);
    std::sort(restants.begin(), restants.end(), [](const auto& a, const auto& b) { return a.second->ordre < b.second->ordre; });
    for (const auto& [id, d] : restants)
        avertir("signet « " + std::string(versUtf8(d->nom)) + " » ignoré : son début (" + std::string(d_.idSignet) +
                " " + *id + ") n'a pas de fin");
    debutsSignets_.clear();
}

void Lecture::run(const Noeud* r) {
    FormatCaractere f;
    for (auto* e = r->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "rPr")) {
            f = lireRPr(e);
        } else if (est(e, p_.w, "fldChar")) {
            auto t = texteAttribut(e, "fldCharType").value_or("");
            if (t == "begin") {
                Champ ch;
                for (auto* d = e->first_node(); d; d = d->next_sibling()) {
                    if (d->type() != rapidxml::node_element) continue;
                    if (est(d, p_.w, "fldData")) ch.donnees = contenu(d);
                    else if (est(d, p_.w, "ffData")) ch.ffData = lireFfData(d);
                }
                champs_.push_back(std::move(ch));
            } else if (t == "separate") {
                if (!champs_.empty()) champs_.back().resultat = true;
            } else if (t == "end" && !champs_.empty()) {
                Champ ch = std::move(champs_.back());
                champs_.pop_back();
                if (ch.instruction.find("FORMCHECKBOX") != std::string::npos) {
                    // The binary record Word writes first; the XML description when
                    // there is no usable record; else an unchecked box.
                    CaseACocher cc = ch.ffData.value_or(CaseACocher{});
                    if (auto octets = decodeBase64(ch.donnees))
                        if (auto lue = lireFFData(*octets)) cc = *lue;
                    c_.ajouterCase(cc, f);
                }
            }
        } else if (est(e, p_.w, "instrText")) {
            if (!champs_.empty()) champs_.back().instruction += contenu(e);
        } else if (dansCode()) {
            continue;  // a field's code shows nothing
        } else if (est(e, p_.w, "t")) {
            c_.ajouterTexte(u16(contenu(e)), f);
        } else if (est(e, p_.w, "tab")) {
            c_.ajouterTexte(u"\t", f);
        } else if (est(e, p_.w, "br")) {
            auto t = texteAttribut(e, "type").value_or("");
            c_.ajouterTexte(t == "page" ? u"\x0C" : t == "column" ? u"\x0E" : u"\x0B", f);
        } else if (d_.v2006 && est(e, p_.w, "cr")) {
            c_.ajouterTexte(u"\x0B", f);
        } else if (est(e, p_.w, "sym")) {
            auto v = texteAttribut(e, "char").value_or("");
            uint32_t code = 0;
            auto [fin, ec] = std::from_chars(v.data(), v.data() + v.size(), code, 16);
            if (ec == std::errc() && fin == v.data() + v.size() && code >= 0x20 && code <= 0xFFFF &&
                (code < 0xD800 || code > 0xDFFF))
                c_.ajouterTexte(std::u16string(1, static_cast<char16_t>(code)), f);
        } else if (est(e, p_.w, "noBreakHyphen")) {
            c_.ajouterTexte(u"\x1E", f);
        } else if (est(e, p_.w, "softHyphen")) {
            c_.ajouterTexte(u"\x1F", f);
        }
    }
}






void Lecture::contenuParagraphe(const Noeud* parent, int profondeur) {
    if (profondeur > ProfondeurMax) return;
    for (auto* e = parent->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "r")) run(e);
        else if (d_.v2006 && paragraphe2006(e, profondeur)) continue;
        else if (est(e, p_.aml, "annotation")) annotation(e);
        else if (est(e, p_.w, "pPr") || est(e, p_.w, "del")) continue;
        // Containers of runs: hyperlinks, simple fields (their result), smart tags, insertions.
        else if (est(e, p_.w, "hlink") || est(e, p_.w, "fldSimple") || est(e, p_.w, "smartTag") ||
                 est(e, p_.w, "ins") || est(e, p_.aml, "content") || est(e, p_.wx, "sub-section"))
            contenuParagraphe(e, profondeur + 1);
        else if (!dansW(e))
            contenuParagraphe(e, profondeur + 1);  // custom XML markup wrapping runs
    }
}

void Lecture::paragraphe(const Noeud* p) {
    const Noeud* pPr = nullptr;
    for (auto* e = p->first_node(); e; e = e->next_sibling())
        if (e->type() == rapidxml::node_element && est(e, p_.w, "pPr")) pPr = e;
    FormatCaractere marque;
    std::optional<MiseEnPage> section;
    FormatParagraphe f = lirePPr(pPr, &marque, &section);
    contenuParagraphe(p, 0);
    c_.finirParagraphe(f, marque, section);
}

void Lecture::blocs(const Noeud* parent, int profondeur) {
    if (profondeur > ProfondeurMax) return;
    for (auto* e = parent->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "p")) paragraphe(e);
        else if (d_.v2006 && bloc2006(e, profondeur)) continue;
        else if (est(e, p_.aml, "annotation")) annotation(e);
        else if (est(e, p_.w, "sectPr")) derniereSection_ = lireSectPr(e);
        else if (est(e, p_.wx, "sect") || est(e, p_.wx, "sub-section") || est(e, p_.w, "tbl") ||
                 est(e, p_.w, "tr") || est(e, p_.w, "tc") || est(e, p_.aml, "content") || !dansW(e))
            blocs(e, profondeur + 1);  // section wrappers, tables, custom XML
    }
}

ModeleDocument Lecture::lire(const Noeud* racine) {
    // Styles and document data first, whatever their order in the file.
    for (auto* e = racine->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.o, "DocumentProperties")) lireProprietes(e);
        else if (est(e, p_.o, "CustomDocumentProperties")) {
            for (auto* d = e->first_node(); d; d = d->next_sibling())
                if (d->type() == rapidxml::node_element && est(d, p_.o, "MotDePasseOuverture"))
                    c_.proprietes().cleOuverture = u16(contenu(d));
        }
        else if (est(e, p_.w, "fonts")) {
            for (auto* d = e->first_node(); d; d = d->next_sibling())
                if (d->type() == rapidxml::node_element && est(d, p_.w, "defaultFonts"))
                    if (auto v = texteAttribut(d, "ascii")) c_.styles().defautsCaractere().police = u16(*v);
        } else if (est(e, p_.w, "styles")) lireStyles(e);
        else if (est(e, p_.w, "docPr")) lireDocPr(e);
    }
    return lireCorps(racine);
}

ModeleDocument Lecture::lireCorps(const Noeud* racine) {
    if (d_.v2006) appliquerDefauts2006();
    for (auto* e = racine->first_node(); e; e = e->next_sibling())
        if (e->type() == rapidxml::node_element && est(e, p_.w, "body")) blocs(e, 0);
    signetsSansFin();
    return c_.construire(derniereSection_);
}

void analyser(std::string_view octets, XmlLu& x) {
    if (octets.size() > TailleMaxWordML)
        throw ErreurWordML(ErreurWordML::Cause::TropGrand, std::to_string(octets.size()) + " bytes, over the " +
                                                              std::to_string(TailleMaxWordML) + " a document may have");
    if (octets.substr(0, 3) == "\xEF\xBB\xBF") octets.remove_prefix(3);
    if (octets.empty()) throw ErreurWordML(ErreurWordML::Cause::PasXml, "empty file");
    if (octets.find('\0') != std::string_view::npos)
        throw ErreurWordML(ErreurWordML::Cause::PasXml, "binary content (NUL byte)");
    switch (mesureProfondeurXml(octets, ProfondeurMaxWordML)) {
        case ProfondeurXml::Acceptable: break;
        case ProfondeurXml::TropProfonde:
            throw ErreurWordML(ErreurWordML::Cause::PasXml,
                               "elements nested more than " + std::to_string(ProfondeurMaxWordML) + " deep");
        case ProfondeurXml::MalFormee: throw ErreurWordML(ErreurWordML::Cause::PasXml, "malformed XML markup");
    }
    x.original = octets;
    x.tampon.assign(octets.begin(), octets.end());
    x.tampon.push_back('\0');
    try {
        x.xml.parse<rapidxml::parse_validate_closing_tags>(x.tampon.data());
    } catch (const rapidxml::parse_error& e) {
        throw ErreurWordML(ErreurWordML::Cause::PasXml, std::string("malformed XML: ") + e.what());
    }
    for (auto* n = x.xml.first_node(); n; n = n->next_sibling())
        if (n->type() == rapidxml::node_element) {
            x.racine = n;
            break;
        }
    if (!x.racine) throw ErreurWordML(ErreurWordML::Cause::PasXml, "no root element");
}

bool racineEst(const XmlLu& x, std::string_view local, std::string_view ns, std::string_view nsStrict) {
    std::string_view nomRacine = nom(x.racine);
    size_t deuxPoints = nomRacine.find(':');
    std::string_view prefixeRacine = deuxPoints == std::string_view::npos ? "" : nomRacine.substr(0, deuxPoints);
    auto uriRacine = x.p.uri(prefixeRacine);
    return est(x.racine, x.p.w, local) && (!uriRacine || *uriRacine == ns || (!nsStrict.empty() && *uriRacine == nsStrict));
}

}  // namespace k58204::sim::lecture

namespace k58204::sim {

using namespace lecture;

bool ressembleWordML(std::string_view octets) {
    std::string_view debut = octets.substr(0, 4096);
    if (debut.substr(0, 3) == "\xEF\xBB\xBF") debut.remove_prefix(3);
    size_t i = debut.find_first_not_of(" \t\r\n");
    if (i == std::string_view::npos || debut[i] != '<') return false;
    return debut.find("wordDocument") != std::string_view::npos || debut.substr(i, 5) == "<?xml";
}

ModeleDocument lireWordML(std::string_view octets) {
    std::vector<std::string> ignores;
    return lireWordML(octets, ignores);
}

ModeleDocument lireWordML(std::string_view octets, std::vector<std::string>& avertissements) {
    XmlLu x;
    analyser(octets, x);
    x.p.lire(x.racine);
    // The root must be w:wordDocument, its prefix bound to WordprocessingML
    // (or, leniently, not declared at all).
    if (!racineEst(x, "wordDocument", NsW))
        throw ErreurWordML(ErreurWordML::Cause::PasWordML,
                           "root element is " + std::string(nom(x.racine)) + ", not w:wordDocument");
    Lecture lecture(WordML2003, &avertissements);
    lecture.partie(x);
    return lecture.lire(x.racine);
}

}  // namespace k58204::sim
