// Build-time tool: renders the Markdown user guide to a PDF with Qt's own text engine, so the
// guide needs nothing beyond the Qt the program is built with.
//   spurline-markdown-pdf GUIDE.md OUTPUT.pdf

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Fonts need a platform, but a build machine has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: spurline-markdown-pdf GUIDE.md OUTPUT.pdf\n");
        return 2;
    }
    QFile input(arguments[1]);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "spurline-markdown-pdf: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const QString markdown = QString::fromUtf8(input.readAll());

    QPdfWriter writer(arguments[2]);
    writer.setTitle(QStringLiteral("Spurline user guide"));
    writer.setCreator(QStringLiteral("Spurline"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));

    QTextDocument document;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setMarkdown(markdown);
    document.print(&writer);
    return 0;
}
