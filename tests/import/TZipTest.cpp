#include "TZipTest.h"

#include <QFile>
#include <QtTest>

#include <zip.h>

bool ScrieArhivaZip(const QString &cale, const TIntrariZip &intrari)
{
    int eroare = 0;
    zip_t *z = zip_open(QFile::encodeName(cale).constData(), ZIP_CREATE | ZIP_TRUNCATE, &eroare);
    if (!z)
        return false;
    for (const auto &[nume, date] : intrari) {
        // libzip copies nothing: the bytes must live until zip_close.
        zip_source_t *s = zip_source_buffer(z, date.constData(), zip_uint64_t(date.size()), 0);
        if (!s || zip_file_add(z, nume.toUtf8().constData(), s, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(s);
            zip_discard(z);
            return false;
        }
    }
    if (zip_close(z) == 0)
        return true;
    zip_discard(z);
    return false;
}

void ScrieZip(const QString &cale, const TIntrariZip &intrari)
{
    QVERIFY(ScrieArhivaZip(cale, intrari));
}

TIntrariZip Xlsx(const QByteArray &foaie, const QByteArray &texteComune, const QByteArray &stiluri,
                 const QByteArray &workbookPr)
{
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
    TIntrariZip p;
    p.append(TIntrariZip::value_type{"xl/workbook.xml", "<?xml version=\"1.0\"?><workbook " + ns + ">" + workbookPr
                                     + "<sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"});
    p.append(TIntrariZip::value_type{"xl/_rels/workbook.xml.rels",
              "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
              "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/foaie.xml\"/>"
              "</Relationships>"});
    p.append(TIntrariZip::value_type{"xl/worksheets/foaie.xml", foaie.startsWith("<?xml") || foaie.startsWith("<!")
                                             ? foaie
                                             : "<worksheet " + ns + ">" + foaie + "</worksheet>"});
    if (!texteComune.isEmpty())
        p.append(TIntrariZip::value_type{"xl/sharedStrings.xml", "<sst " + ns + ">" + texteComune + "</sst>"});
    if (!stiluri.isEmpty())
        p.append(TIntrariZip::value_type{"xl/styles.xml", "<styleSheet " + ns + ">" + stiluri + "</styleSheet>"});
    return p;
}

TIntrariZip Ods(const QByteArray &tabele)
{
    TIntrariZip p;
    p.append(TIntrariZip::value_type{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"});
    p.append(TIntrariZip::value_type{"content.xml",
              "<?xml version=\"1.0\"?><office:document-content"
              " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
              " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
              " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
              " xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\">"
              "<office:body><office:spreadsheet>" + tabele + "</office:spreadsheet></office:body></office:document-content>"});
    return p;
}
