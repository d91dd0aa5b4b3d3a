#include "textfile.h"

#include "regularfile.h"

#include <QStringDecoder>

bool TextFile::open(const QString &path)
{
    close();
    return openRegularFile(m_file, path);
}

bool TextFile::readLine(QString &line)
{
    if (!m_file.isOpen() || m_file.atEnd())
        return false;
    QByteArray bytes;
    char c = 0;
    while (m_file.getChar(&c)) {
        if (c == '\r') {
            char next = 0;
            if (m_file.peek(&next, 1) == 1 && next == '\n')
                m_file.getChar(&next);
            break;
        }
        bytes.append(c);
    }
    line = decodeWindows1252(bytes);
    return true;
}

void TextFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    QStringDecoder decoder("windows-1252");
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        const bool end = i == bytes.size();
        const uchar b = end ? 0 : uchar(bytes[i]);
        if (end || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            text += decoder.decode(QByteArrayView(bytes).sliced(start, i - start));
            if (!end)
                text += QChar(b);
            start = i + 1;
        }
    }
    return text;
}
