' A scripting client of K58204.Module, run by Wine's cscript: every member of
' AbstractModule called by name, variables passed by reference as a script
' passes them (h holds an Integer, app holds nothing). Exit code 0 when every
' check holds; each failed check is printed.
' Seen under Wine 8: its VBScript crashes on TypeName(Nothing), so the object
' variable is tested with Is Nothing.
Option Explicit
Dim m, app, h, echecs, valeur
echecs = 0

Sub Verifie(quoi, obtenu, attendu)
    If obtenu <> attendu Then
        WScript.Echo quoi & ": got [" & obtenu & "], expected [" & attendu & "]"
        echecs = echecs + 1
    End If
End Sub

Set m = CreateObject("K58204.Module")
Verifie "ErreurGenerale before any exercise", m.ErreurGenerale, False

On Error Resume Next
valeur = m.BravoNuance
Verifie "BravoNuance before any exercise: number", Err.Number, 91
Verifie "BravoNuance before any exercise: source", Err.Source, "K58204"
Err.Clear

h = -1
m.InitQuestion 125, "C:\Cours\K58204\", app, h
' No Word runs in the test prefix: the module can neither attach to one nor start one.
Verifie "InitQuestion: number", Err.Number, 429
Verifie "InitQuestion: source", Err.Source, "DLL K58204 - CLASSE Module" & Chr(10) & Chr(13) & " - SERVICE GetApplication - OBJET K58204"
Err.Clear
Verifie "ioHandleLogiciel comes back as a Long", TypeName(h), "Long"
Verifie "ioApplication comes back as Nothing", app Is Nothing, True

m.TestePoint
Verifie "TestePoint", Err.Number, 0
Verifie "ErreurGenerale without Word", m.ErreurGenerale, True
Verifie "CauseErreur without Word", m.CauseErreur, "AM"
m.Fermer
Verifie "Fermer", Err.Number, 0
m.Quitter app, h
Verifie "Quitter", Err.Number, 0
Verifie "ioHandleLogiciel after Quitter", TypeName(h), "Long"

WScript.Quit echecs
