#pragma once

class QPrinter;
class QTextDocument;

// Prints the document from its beginning on the printer, one sheet for each page number of the
// range the printer was given (all pages when none), stopping early when the text runs out.
// With pageNumbers each sheet carries "Page: N" in its bottom margin. Returns the number of
// sheets printed.
int printPages(const QTextDocument &document, QPrinter &printer, bool pageNumbers);
