#include "transcript/PagePrinting.h"

#include "program/Globals.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <climits>
#include <memory>

namespace {

// Margins and the footer's place are measured in points, whatever the printer's resolution.
constexpr qreal margin = 65;
constexpr qreal footerBaselineAboveBottom = 5;
constexpr int footerPointSize = 8;

void drawFooter(QPainter &painter, qreal pointsToDevice, int pageNumber)
{
    QFont font(mGlobals.sTheFont);
    font.setPointSize(footerPointSize);
    painter.setFont(font);
    const qreal baseline = painter.device()->height() - footerBaselineAboveBottom * pointsToDevice;
    painter.drawText(QPointF(margin * pointsToDevice, baseline),
        QCoreApplication::translate("PagePrinting", "Page: %1").arg(pageNumber));
}

} // namespace

int printPages(const QTextDocument &document, QPrinter &printer, bool pageNumbers)
{
    if (document.isEmpty())
        return 0;

    const int firstPage = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int lastPage = printer.toPage() > 0 ? printer.toPage() : INT_MAX;

    QPainter painter(&printer);
    if (!painter.isActive())
        return 0;

    const qreal pointsToDevice = printer.resolution() / 72.0;
    const qreal inset = margin * pointsToDevice;
    const QSizeF textSize(printer.width() - 2 * inset, printer.height() - 2 * inset);

    // Lay out a copy at the printer's resolution, cut into pages of the text block's size; the
    // field's own document keeps its layout for the screen.
    std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&printer);
    pages->setDocumentMargin(0);
    pages->setPageSize(textSize);

    int sheet = 0;
    for (int pageNumber = firstPage; pageNumber <= lastPage; ++pageNumber, ++sheet) {
        if (sheet >= pages->pageCount())
            break;
        if (sheet > 0)
            printer.newPage();

        const QRectF pageArea(QPointF(0, sheet * textSize.height()), textSize);
        painter.save();
        painter.translate(inset, inset - pageArea.top());
        painter.setClipRect(pageArea);
        QAbstractTextDocumentLayout::PaintContext context;
        // A line moved on to the next page starts right at this page's bottom edge; without the
        // trim it would be drawn here too, out of sight but still in the printed file's text.
        context.clip = pageArea.adjusted(0, 0, 0, -1);
        context.palette.setColor(QPalette::Text, Qt::black); // paper stays white in a dark theme
        pages->documentLayout()->draw(&painter, context);
        painter.restore();

        if (pageNumbers)
            drawFooter(painter, pointsToDevice, pageNumber);

        // Windows keep redrawing between sheets; commands wait until the job is done.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return sheet;
}
