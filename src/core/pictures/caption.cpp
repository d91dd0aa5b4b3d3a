// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption.h"

#include "files/filenames.h"
#include "files/regularfile.h"
#include "logging.h"
#include "texts/cleantext.h"

#include <QFileInfo>
#include <QImageReader>
#include <exiv2/exiv2.hpp>
#include <mutex>

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

std::optional<QString> fromUtf8(const std::string &text)
{
    return cleaned(QString::fromStdString(text));
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
    std::optional<QString> title, imageDescription, comment, description;
};

// EXIF and XMP through Exiv2. Its XMP parser keeps shared state, so one file is read at a
// time; a file it does not know or cannot make sense of gives nothing.
Metadata exiv2Metadata(const QString &path, const QString &language)
{
    static std::mutex exiv2;
    const std::lock_guard lock(exiv2);
    static const bool ready = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        return Exiv2::XmpParser::initialize();
    }();
    Metadata m;
    if (!ready)
        return m;
    try {
        auto image = Exiv2::ImageFactory::open(encodeFileName(path).toStdString());
        image->readMetadata();
        const Exiv2::XmpData &xmp = image->xmpData();
        m.title = xmpText(xmp, "Xmp.dc.title", language);
        m.description = xmpText(xmp, "Xmp.dc.description", language);
        const Exiv2::ExifData &exif = image->exifData();
        const auto it = exif.findKey(Exiv2::ExifKey("Exif.Image.ImageDescription"));
        if (it != exif.end())
            m.imageDescription = fromUtf8(it->toString());
        m.comment = fromUtf8(image->comment());
    } catch (const std::exception &e) {
        // Exiv2 throws on files it cannot open or parse; such a file just has no caption.
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
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    // A PNG's text chunks through Qt; a JPEG's comment comes from Exiv2, which reads it
    // whole, where Qt's reader would take "Word: rest" for a key and its text.
    const bool png = reader.format() == "png";
    const auto pngText = [&](const QString &key) {
        return png ? cleaned(reader.text(key)) : std::nullopt;
    };
    if (auto title = pngText(QStringLiteral("Title")))
        return title;
    const Metadata m = exiv2Metadata(path, language);
    if (m.title)
        return m.title;
    if (m.imageDescription)
        return m.imageDescription;
    if (auto description = pngText(QStringLiteral("Description")))
        return description;
    if (m.comment && !png)
        return m.comment;
    return m.description;
}

QString pictureCaption(const QString &path, const QString &language)
{
    if (auto caption = embeddedCaption(path, language))
        return *caption;
    return shownFileName(QFileInfo(path).completeBaseName());
}
