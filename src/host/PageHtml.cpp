#include "host/PageHtml.hpp"

namespace k58204::lecon {

namespace {

// Nothing outside the page may load: a page opened from a mail or a shared
// folder makes no request, whatever a name in it says.
constexpr char Politique[] =
    "default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; img-src data:";

constexpr char Styles[] = R"(
body{font:15px/1.45 system-ui,sans-serif;margin:1.5rem auto;max-width:75rem;padding:0 1rem;color:#1a1a1a;background:#fff}
h1{font-size:1.5rem;margin:0 0 .25rem}
h2{font-size:1.15rem;margin:1.75rem 0 .5rem;border-bottom:1px solid #bbb}
.bilan{display:flex;flex-wrap:wrap;gap:.75rem;margin:0;padding:0;list-style:none}
.bilan li{border:1px solid #bbb;border-left:6px solid #888;border-radius:4px;padding:.35rem .8rem}
.bilan strong{display:block;font-size:1.4rem}
.bilan .reussi{border-left-color:#2e7d32}.bilan .echoue{border-left-color:#b3261e}.bilan .non-notable{border-left-color:#b26a00}.bilan .a-verifier{border-left-color:#1565c0}
table{border-collapse:collapse;width:100%;margin:.25rem 0 1rem}
caption{text-align:left;font-weight:bold;padding:.25rem 0}
th,td{border:1px solid #ccc;padding:.3rem .5rem;text-align:left;vertical-align:top}
thead th{background:#eee}
th button{font:inherit;font-weight:bold;color:inherit;background:none;border:0;padding:0;cursor:pointer}
th[aria-sort=ascending] button::after{content:" ▲"}th[aria-sort=descending] button::after{content:" ▼"}
tr[data-statut=reussi] .statut,tr[data-statut=ok] .statut{background:#e6f4ea}
tr[data-statut=echoue] .statut,tr[data-statut=echec] .statut{background:#fde8e8}
tr[data-statut=non-notable] .statut{background:#fff3d6}
tr[data-statut=a-verifier] .statut{background:#e3eefb}
.converti{display:inline-block;margin-left:.4rem;padding:0 .35rem;border:1px solid #1565c0;border-radius:3px;color:#0d47a1;font-size:.8rem;white-space:nowrap}
.statut{white-space:nowrap}
ul.lignes{margin:0;padding-left:1.1rem}
small,.discret{color:#555}
code{font-family:ui-monospace,monospace}
#filtres{border:1px solid #ccc;border-radius:4px;margin:0 0 .5rem;padding:.25rem .8rem}
#filtres label{margin-right:1.2rem}
.graphique rect{fill:#b3261e}.graphique text{font-size:13px;fill:#1a1a1a}
@media print{body{margin:0;max-width:none;font-size:10pt}#filtres{display:none}
th[aria-sort] button::after{content:none}thead th,.statut{background:none!important}tr{break-inside:avoid}.graphique rect{fill:#555}}
)";

// Errors of the page's own script are kept on the page (data-erreurs) before
// anything else runs; the last line of the main script marks the page ready
// (data-pret), so a script that failed to run at all shows too.
constexpr char ScriptErreurs[] =
    "addEventListener('error',function(e){var h=document.documentElement;"
    "h.setAttribute('data-erreurs',(h.getAttribute('data-erreurs')||'')+e.message+'\\n');});";

// A header's button sorts its table's rows by that column (a cell's data-cle
// when it has one, else its text), the next click the other way; the boxes
// of #filtres show the rows of the statuses checked.
constexpr char Script[] = R"(
(function(){
  function cle(c){return c.getAttribute('data-cle')||c.textContent;}
  document.querySelectorAll('table.triable').forEach(function(table){
    var tetes=table.tHead.rows[0].cells;
    Array.prototype.forEach.call(tetes,function(th,colonne){
      th.querySelector('button').addEventListener('click',function(){
        var montant=th.getAttribute('aria-sort')!=='ascending';
        Array.prototype.forEach.call(tetes,function(t){t.removeAttribute('aria-sort');});
        th.setAttribute('aria-sort',montant?'ascending':'descending');
        var corps=table.tBodies[0],lignes=Array.prototype.slice.call(corps.rows);
        lignes.sort(function(a,b){
          var r=cle(a.cells[colonne]).localeCompare(cle(b.cells[colonne]),'fr',{numeric:true});
          return montant?r:-r;
        });
        lignes.forEach(function(l){corps.appendChild(l);});
      });
    });
  });
  var filtres=document.getElementById('filtres');
  if(filtres){
    filtres.hidden=false;
    filtres.addEventListener('change',function(){
      var montres={};
      filtres.querySelectorAll('input').forEach(function(c){montres[c.value]=c.checked;});
      document.querySelectorAll('#documents tbody tr').forEach(function(l){
        l.hidden=!montres[l.getAttribute('data-statut')];
      });
    });
  }
  document.documentElement.setAttribute('data-pret','oui');
})();
)";

}  // namespace

std::string echappeHtml(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (char c : texte) {
        switch (c) {
            case '&': r += "&amp;"; break;
            case '<': r += "&lt;"; break;
            case '>': r += "&gt;"; break;
            case '"': r += "&quot;"; break;
            case '\'': r += "&#39;"; break;
            case '\t':
            case '\n':
            case '\r': r += c; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                    r += "\xEF\xBF\xBD";
                else
                    r += c;
        }
    }
    return r;
}

void ouvrePage(std::ostream& os, const std::string& titre) {
    os << "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<meta http-equiv=\"Content-Security-Policy\" content=\"" << Politique << "\">\n"
       << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
       << "<title>" << echappeHtml(titre) << "</title>\n"
       << "<script>" << ScriptErreurs << "</script>\n"
       << "<style>" << Styles << "</style>\n</head>\n<body>\n<main>\n";
}

void fermePage(std::ostream& os) { os << "</main>\n<script>" << Script << "</script>\n</body>\n</html>\n"; }

}  // namespace k58204::lecon
