#pragma once
// The tree of a VBA statement or expression of a lesson script, as the parser
// builds it and the evaluator runs it against Word's Application.
#include <memory>
#include <string>
#include <vector>

#include "word/Variant.hpp"

namespace k58204::lecon {

struct Expression;
using ExpressionPtr = std::shared_ptr<const Expression>;

// One argument: positional (nom empty) or named (Name:=value).
struct ArgumentVba {
    std::u16string nom;
    ExpressionPtr valeur;
};
using ArgumentsVba = std::vector<ArgumentVba>;

// One link of a member chain: Bookmarks("s01") is the member Bookmarks with
// one argument; Range is a member without an argument list.
struct Maillon {
    std::u16string membre;
    bool parentheses = false;  // written with an argument list, even an empty one
    ArgumentsVba arguments;
};
// A member chain read from Application: ActiveDocument.Bookmarks("s01").Range.
using Chemin = std::vector<Maillon>;

struct Expression {
    enum class Genre {
        Litteral,       // valeur (a literal, or a named constant resolved by the parser)
        Chemin,         // chemin, read with property gets from Application
        Concatenation,  // operandes joined with &
        Oppose,         // -operandes[0]
        Chr,            // Chr(operandes[0]): a character of the Windows code page
        ChrW,           // ChrW(operandes[0]): a UTF-16 unit
        Dir,            // Dir(path[, attributes]) on the file system
        FileLen,        // FileLen(path), GetAttr(path), FileDateTime(path) (a Date
        GetAttr,        // as its serial number, a Double), CurDir([drive]):
        FileDateTime,   // the file system too
        CurDir,
    };
    Genre genre = Genre::Litteral;
    Variant valeur;
    std::u16string nom;  // the constant's name when the literal was written as one
    Chemin chemin;
    std::vector<ExpressionPtr> operandes;
};

// One learner statement.
struct Instruction {
    enum class Genre {
        Appel,        // the last link of cible is called with its arguments
        Affectation,  // the last link of cible is put: its arguments, then valeur
        MkDir,        // valeur: the folder to create
        Kill,         // valeur: the file to delete
        RmDir,        // valeur: the folder to remove
        ChDir,        // valeur: the new current folder
        ChDrive,      // valeur: the new current drive
        Name,         // Name valeur As second
        FileCopy,     // FileCopy valeur, second
        SetAttr,      // SetAttr valeur, second
    };
    Genre genre = Genre::Appel;
    Chemin cible;
    ExpressionPtr valeur;
    ExpressionPtr second;
};

// A "verifie EXPRESSION = VALUE" line: what is read, and the value expected.
struct Verification {
    ExpressionPtr lue;
    ExpressionPtr attendue;
};

}  // namespace k58204::lecon
