#include "platform/QtClipboard.h"

#include "platform/QtStrings.h"

#include <QClipboard>
#include <QGuiApplication>

namespace spurline {

QtClipboard::QtClipboard(std::function<QImage()> graphPicture)
    : graphPicture_(std::move(graphPicture)) {}

void QtClipboard::Clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::SetText(const std::string& utf8) {
    QGuiApplication::clipboard()->setText(ToQString(utf8));
}

void QtClipboard::SetGraphPicture() {
    const QImage picture = graphPicture_ ? graphPicture_() : QImage();
    if (!picture.isNull()) {
        QGuiApplication::clipboard()->setImage(picture);
    }
}

} // namespace spurline
