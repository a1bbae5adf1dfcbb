#pragma once
// Parses the VBA a lesson script writes on Word's object model:
//
//   statement  := MkDir expr | Kill expr
//               | chain "=" expr                 (property put, arguments of the last link first)
//               | chain [argument {"," argument}] (call of the last link; VBA's call syntax)
//   chain      := member ["(" [argument {"," argument}] ")"] {"." member ["(" … ")"]}
//   argument   := name ":=" expr | expr
//   expr       := unary {"&" unary}
//   unary      := "-" unary | primary
//   primary    := string | number | True | False | constant | "(" expr ")"
//               | Chr(expr) | ChrW(expr) | Dir(expr [, expr]) | chain
//
// As in VBA, a statement whose last member is followed by a space and "(" is
// the call syntax with a parenthesised first argument (Selection.TypeText ("x")).
// Named constants (wdLine, msoBarTop, vbCr…) are resolved here; a name written
// as a constant that the table does not know is an error, not a Word member.
// Errors are raised as ErreurSyntaxe; so is an expression nested deeper than
// ProfondeurMaxExpression (parentheses, unary minus signs and argument lists
// each count a level).
#include <cstddef>
#include <string_view>

#include "host/Ast.hpp"

namespace k58204::lecon {

inline constexpr size_t ProfondeurMaxExpression = 64;

// decalage: where the text starts in its line, for the columns of messages.
Instruction analyseInstruction(std::u16string_view ligne, size_t decalage = 0);
ExpressionPtr analyseExpression(std::u16string_view texte, size_t decalage = 0);
// "EXPRESSION = VALUE" (the text after "verifie").
Verification analyseVerification(std::u16string_view texte, size_t decalage = 0);

}  // namespace k58204::lecon
