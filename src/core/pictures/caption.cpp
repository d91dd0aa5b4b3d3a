// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption.h"

#include "files/filenames.h"
#include "files/regularfile.h"
#include "logging.h"
#include "pictures/embeddedmetadata.h"
#include "pictures/exiv2lock.h"
#include "texts/cleantext.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <exiv2/exiv2.hpp>

namespace
{

std::optional<QString> cleaned(const QString &text)
{
    QString t = cleanText(text).simplified();
    if (t.isEmpty())
        return std::nullopt;
    if (t.size() > CaptionMaxLength)
        t = t.left(CaptionMaxLength).trimmed();
    return t;
}

// Exiv2's texts are bytes: EXIF's meant to be ASCII, in practice UTF-8; XMP's UTF-8.
std::optional<QString> fromUtf8(const std::string &text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(QByteArrayView(text.data(), qsizetype(text.size())));
    return decoder.hasError() ? std::nullopt : cleaned(decoded);
}

QString primaryLanguage(const QString &tag)
{
    return tag.section(QLatin1Char('-'), 0, 0).toLower();
}

// An XMP language alternative: the text in `language` (any region of it), else the default
// language's, else the first.
std::optional<QString> xmpText(const Exiv2::XmpData &xmp, const char *key, const QString &language)
{
    const auto it = xmp.findKey(Exiv2::XmpKey(key));
    if (it == xmp.end())
        return std::nullopt;
    if (const auto *alt = dynamic_cast<const Exiv2::LangAltValue *>(&it->value())) {
        for (const auto &[tag, text] : alt->value_) {
            if (primaryLanguage(QString::fromStdString(tag)) == primaryLanguage(language))
                return fromUtf8(text);
        }
        const auto d = alt->value_.find("x-default");
        if (d != alt->value_.end())
            return fromUtf8(d->second);
        if (!alt->value_.empty())
            return fromUtf8(alt->value_.begin()->second);
        return std::nullopt;
    }
    return fromUtf8(it->toString());
}

struct Metadata {
    std::optional<QString> title, imageDescription, description;
};

// EXIF and XMP through Exiv2, from the metadata alone, one file at a time; metadata it
// cannot make sense of gives nothing.
Metadata exiv2Metadata(const QByteArray &exifAndXmp, const QString &path, const QString &language)
{
    Metadata m;
    if (exifAndXmp.isEmpty())
        return m;
    const auto lock = lockExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte *>(exifAndXmp.constData()), long(exifAndXmp.size()));
        image->readMetadata();
        const Exiv2::XmpData &xmp = image->xmpData();
        m.title = xmpText(xmp, "Xmp.dc.title", language);
        m.description = xmpText(xmp, "Xmp.dc.description", language);
        const Exiv2::ExifData &exif = image->exifData();
        const auto it = exif.findKey(Exiv2::ExifKey("Exif.Image.ImageDescription"));
        if (it != exif.end())
            m.imageDescription = fromUtf8(it->toString());
    } catch (const std::exception &e) {
        // Exiv2 throws on metadata it cannot parse; such a file just has no caption from it.
        qCWarning(picturesLog) << shownFileName(path)
                               << "has metadata that does not read:" << e.what();
    }
    return m;
}

} // namespace

std::optional<QString> embeddedCaption(const QString &path, const QString &language)
{
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    return embeddedCaption(readEmbeddedMetadata(file), path, language);
}

std::optional<QString> embeddedCaption(const EmbeddedMetadata &embedded, const QString &path,
                                       const QString &language)
{
    if (embedded.overBudget) {
        qCWarning(picturesLog) << shownFileName(path) << "has more than" << MetadataBudgetBytes
                               << "bytes of metadata: none of it is read for its caption";
        return std::nullopt;
    }
    if (auto title = cleaned(embedded.title.value_or(QString())))
        return title;
    const Metadata m = exiv2Metadata(embedded.exifAndXmp, path, language);
    if (m.title)
        return m.title;
    if (m.imageDescription)
        return m.imageDescription;
    if (auto comment = cleaned(embedded.comment.value_or(QString())))
        return comment;
    return m.description;
}

namespace
{

QString fileCaption(const QString &path)
{
    return cleanText(shownFileName(QFileInfo(path).completeBaseName()));
}

} // namespace

QString pictureCaption(const QString &path, const QString &language)
{
    return embeddedCaption(path, language).value_or(fileCaption(path));
}

QString pictureCaption(const EmbeddedMetadata &embedded, const QString &path,
                       const QString &language)
{
    return embeddedCaption(embedded, path, language).value_or(fileCaption(path));
}
