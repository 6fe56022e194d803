// How long the nine sheets of a whole recorded year take: on the recording surface (the sheet
// logic alone), into a PDF, and, for comparison, a PDF of the same texts and lines drawn
// straight with QPainter.

#include "print/page_surface.h"
#include "print/pdf_output.h"
#include "print/print_dispatch.h"
#include "print/recording_surface.h"
#include "print/sheet_fonts.h"
#include "print_test_support.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace mirune;

namespace {

QList<int> allOptions() {
    QList<int> options;
    for (int i = 0; i < kPrintOptionCount; ++i)
        options.append(i);
    return options;
}

void BM_AllSheetsRecording(benchmark::State &bench) {
    AppState state = test::fullYearState();
    qsizetype texts = 0;
    qsizetype lines = 0;
    for (auto _ : bench) {
        RecordingSurface surface;
        for (const PrintOption &option : printOptions())
            subDrawSheet(state, option, surface);
        texts = surface.texts().size();
        lines = surface.lines().size();
        benchmark::DoNotOptimize(texts);
    }
    bench.counters["texts"] = double(texts);
    bench.counters["lines"] = double(lines);
}
BENCHMARK(BM_AllSheetsRecording)->Unit(benchmark::kMillisecond);

void BM_AllSheetsPdf(benchmark::State &bench) {
    AppState state = test::fullYearState();
    const QList<int> options = allOptions();
    qint64 bytes = 0;
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const PdfResult result = writeSheetsPdf(state, options, buffer);
        if (!result.ok()) {
            bench.SkipWithError(qPrintable(result.message));
            return;
        }
        bytes = buffer.size();
    }
    bench.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_AllSheetsPdf)->Unit(benchmark::kMillisecond);

// One page of recorded drawing, replayed without any sheet logic.
struct Page {
    bool landscape = false;
    QList<RecordedText> texts;
    QList<RecordedLine> lines;
};

QList<Page> recordedPages() {
    AppState state = test::fullYearState();
    QList<Page> pages;
    for (const PrintOption &option : printOptions()) {
        RecordingSurface surface;
        subDrawSheet(state, option, surface);
        pages.append({surface.orientations().first() == PageOrientation::Landscape, surface.texts(),
                      surface.lines()});
    }
    return pages;
}

void BM_SameDrawingPlainPdf(benchmark::State &bench) {
    const QList<Page> pages = recordedPages();
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        subSetUpSheetDevice(writer, PaperSize::A4);
        writer.setPageOrientation(pages.first().landscape ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
        QPainter painter(&writer);
        const qreal scale = kPdfResolution / 1440.0;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const Page &page = pages[p];
            if (p > 0) {
                writer.setPageOrientation(page.landscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
                writer.newPage();
            }
            int size = 0;
            QString name;
            qreal ascent = 0;
            for (const RecordedText &t : page.texts) {
                if (t.fontSize != size || t.fontName != name) {
                    size = t.fontSize;
                    name = t.fontName;
                    QFont font(fncSheetFontFamily(name));
                    font.setPointSize(size);
                    painter.setFont(font);
                    ascent = QFontMetricsF(painter.font(), &writer).ascent();
                }
                painter.setPen(t.colour);
                painter.drawText(QPointF(t.x * scale, t.y * scale + ascent), t.text);
            }
            for (const RecordedLine &l : page.lines) {
                painter.setPen(QPen(Qt::black, l.width));
                painter.drawLine(QPointF(l.x1 * scale, l.y1 * scale),
                                 QPointF(l.x2 * scale, l.y2 * scale));
            }
        }
        painter.end();
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_SameDrawingPlainPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    // Fonts and PDF need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (const QString problem = fncCheckSheetFonts(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
