// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setarchive.h"
#include "setmaker.h"
#include "testfiles.h"

#include <QDir>
#include <QTest>
#include <QtEndian>
#include <archive.h>
#include <archive_entry.h>
#include <tuple>

namespace
{

// An entry of a zip the test makes: a file of `data` (or of `zeros` zero bytes, its size
// in the zip's directory a lie unless `sized`), a folder or a link.
struct Entry {
    QByteArray path;
    QByteArray data = {};
    unsigned type = AE_IFREG;
    qint64 zeros = 0;
    bool sized = true;
};
using Entries = std::vector<Entry>;

void writeZip(const QString &path, const Entries &entries)
{
    archive *zip = archive_write_new();
    archive_write_set_format_zip(zip);
    QCOMPARE(archive_write_open_filename(zip, path.toUtf8().constData()), ARCHIVE_OK);
    const QByteArray zeros(1024 * 1024, '\0');
    for (const Entry &e : entries) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.path.constData());
        archive_entry_set_filetype(entry, e.type);
        archive_entry_set_perm(entry, 0644);
        if (e.type == AE_IFLNK)
            archive_entry_set_symlink(entry, "/etc/passwd");
        archive_entry_set_size(entry, e.zeros ? e.zeros : e.data.size());
        QCOMPARE(archive_write_header(zip, entry), ARCHIVE_OK);
        archive_write_data(zip, e.data.constData(), std::size_t(e.data.size()));
        for (qint64 n = 0; n < e.zeros; n += zeros.size())
            archive_write_data(zip, zeros.constData(), std::size_t(zeros.size()));
        archive_entry_free(entry);
    }
    archive_write_free(zip);
    // No writer lies about a size, but a hostile hand does.
    for (const Entry &e : entries) {
        if (e.sized)
            continue;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        // The central directory's entry, then the entry's own header.
        for (const auto &[signature, name, size] :
             {std::tuple("PK\x01\x02", 46, 24), std::tuple("PK\x03\x04", 30, 22)}) {
            qsizetype at = bytes.indexOf(signature);
            while (at >= 0 && bytes.mid(at + name, e.path.size()) != e.path)
                at = bytes.indexOf(signature, at + 1);
            QVERIFY(at >= 0);
            qToLittleEndian(quint32(1000), bytes.data() + at + size);
        }
        QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
    }
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TstSetArchive : public QObject
{
    Q_OBJECT
private:
    TestFolder m_files;
    QByteArray m_red = encoded(filled({40, 30}, Qt::red));
    QByteArray m_blue = encoded(filled({40, 30}, Qt::blue), "JPEG");
    Entries set(Entries more = {})
    {
        Entries all = {
            {"Set/"}, {"Set/1/", {}, AE_IFDIR}, {"Set/1/a.png", m_red}, {"Set/2/a.jpg", m_blue}};
        all.front().type = AE_IFDIR;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    }

private Q_SLOTS:
    void hostileArchivesAreRefusedWhole_data()
    {
        QTest::addColumn<Entries>("zip");
        QTest::addColumn<QString>("problem");
        QTest::addRow("a path out of the set")
            << set({{"Set/1/../../evil.png", m_red}}) << "\"Set/1/../../evil.png\": a path that";
        QTest::addRow("an absolute path")
            << set({{"/tmp/evil.png", m_red}}) << "\"/tmp/evil.png\": an absolute path";
        QTest::addRow("a link") << set({{"Set/2/b.png", {}, AE_IFLNK}})
                                << "\"Set/2/b.png\": a link";
        QTest::addRow("a text file as a picture")
            << set({{"Set/2/b.png", "text"}}) << "\"Set/2/b.png\": not a picture";
        QTest::addRow("two sets") << set({{"Other/1/a.png", m_red}}) << "a second set beside";
        QTest::addRow("a third folder")
            << set({{"Set/3/a.png", m_red}}) << "\"Set/3/a.png\": only the folders";
        QTest::addRow("a folder in a pair folder")
            << set({{"Set/1/x/a.png", m_red}}) << "\"Set/1/x/a.png\": a folder inside";
        QTest::addRow("the same entry twice")
            << set({{"Set/1/a.png", m_red}}) << "\"Set/1/a.png\": twice";
        QTest::addRow("a bomb by its header")
            << set({{"Set/1/b.png", {}, AE_IFREG, 100ll << 20}}) << "\"Set/1/b.png\": 100 MB";
        QTest::addRow("a bomb found inflating")
            << set({{"Set/1/b.png", {}, AE_IFREG, 80ll << 20, false}})
            << "\"Set/1/b.png\": inflates more than 100 times";
        Entries many = set();
        for (int i = 0; i < 20000; ++i)
            many.push_back({QByteArray("Set/1/") + QByteArray::number(i)});
        QTest::addRow("20,000 entries") << many << "more than 1016 entries";
        QTest::addRow("no set") << Entries{{"a.png", m_red}} << "a file outside the set's folder";
    }
    void hostileArchivesAreRefusedWhole()
    {
        QFETCH(Entries, zip);
        TestFolder home;
        writeZip(home.path("set.zip"), zip);
        const MadeSet made =
            SetArchive::importSet(home.path("set.zip"), SetMaker(home.path("Zindle")), {});
        QVERIFY(!made.saved());
        QFETCH(QString, problem);
        QVERIFY2(made.problems.join('\n').contains(problem), qPrintable(made.problems.join('\n')));
        QCOMPARE(entries(home.dir.path()), QStringList{"set.zip"});
    }

    void aSetTravelsByteForByte()
    {
        TestFolder home;
        const SetMaker maker(home.path("Zindle"));
        m_files.writeFile("a.png", m_red);
        m_files.writeFile("b.jpg", m_blue);
        QVERIFY(maker
                    .save("Granja",
                          {{m_files.path("a.png"), "vaca"}, {m_files.path("b.jpg"), "toro"}}, false)
                    .saved());
        QCOMPARE(SetArchive::exportSet(maker.folderOf("Granja"), home.path("g.zip")),
                 QStringList());
        const SetMaker other(home.path("Other"));
        int done = 0;
        SaveOptions options;
        options.progress = [&done](int count, int total) { done = count == total ? count : -1; };
        const MadeSet made = SetArchive::importSet(home.path("g.zip"), other, options);
        QVERIFY2(made.saved(), qPrintable(made.problems.join('\n')));
        QCOMPARE(done, 2);
        for (const char *file : {"/1/01.png", "/2/01.jpg"}) {
            QFile a(maker.folderOf("Granja") + file), b(other.folderOf("Granja") + file);
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(a.readAll(), b.readAll());
        }
        // Once there, the set is replaced only when asked.
        QVERIFY(!SetArchive::importSet(home.path("g.zip"), other, {}).saved());
        options.replace = true;
        QVERIFY(SetArchive::importSet(home.path("g.zip"), other, options).saved());
    }
};

QTEST_MAIN(TstSetArchive)
#include "tst_setarchive.moc"
