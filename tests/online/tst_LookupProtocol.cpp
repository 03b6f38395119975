// The services' text formats: form bodies, character references, list and detail replies,
// update replies, and the cipher of the stored proxy credentials.
#include "online/CredentialCipher.h"
#include "online/LookupProtocol.h"

#include <QTest>

using namespace korvel::online;
namespace P = korvel::online::LookupProtocol;

Q_DECLARE_METATYPE(QList<LookupCandidate>)

class tst_LookupProtocol : public QObject
{
    Q_OBJECT

  private slots:
    void formBody_data();
    void formBody();
    void decodeEntities_data();
    void decodeEntities();
    void parseList_data();
    void parseList();
    void parseListAppends();
    void getElement_data();
    void getElement();
    void updateReply_data();
    void updateReply();
    void cipherKnownAnswer();
    void cipherRoundTrip_data();
    void cipherRoundTrip();
};

void tst_LookupProtocol::formBody_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("single item, no trailing &")
        << QStringList{"titel=Alien"} << QByteArray("titel=Alien");
    QTest::newRow("two items, trailing &")
        << QStringList{"action=search", "suchbegriff=Rock & Roll"}
        << QByteArray("action=search&suchbegriff=Rock+%26+Roll&");
    QTest::newRow("only the part after the first = is encoded")
        << QStringList{"a.b=c=d"} << QByteArray("a.b=c%3Dd");
    QTest::newRow("bare item goes out unchanged")
        << QStringList{"x=1", "medienzahl-1"} << QByteArray("x=1&medienzahl-1&");
    QTest::newRow("empty value") << QStringList{"titel="} << QByteArray("titel=");
    QTest::newRow("upper-case hex for high bytes")
        << QStringList{"t=\u00ff\u00e9\u20ac"} << QByteArray("t=%FF%E9%80");
    QTest::newRow("no items") << QStringList{} << QByteArray();
}

void tst_LookupProtocol::formBody()
{
    QFETCH(QStringList, items);
    QFETCH(QByteArray, body);
    QCOMPARE(P::encode_form_body(items), body);
}

void tst_LookupProtocol::decodeEntities_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("a umlaut") << "B&#228;r"
                              << "Bär";
    QTest::newRow("euro sign of the code page") << "5 &#8364;"
                                                << "5 €";
    QTest::newRow("character the code page lacks") << "&#9731;!"
                                                   << "?!";
    QTest::newRow("&lt; &gt; &nbsp; &apos; stay") << "&lt;b&gt;&nbsp;&apos;"
                                                  << "&lt;b&gt;&nbsp;&apos;";
    QTest::newRow("double-escaped ampersand") << "Tom &amp;amp; Jerry"
                                              << "Tom & Jerry";
    QTest::newRow("escaped numeric reference stays a reference") << "&amp;#233;"
                                                                 << "&#233;";
    QTest::newRow("escaped quot becomes a quote") << "&amp;quot;"
                                                  << "\"";
    QTest::newRow("numeric quote") << "&#34;x&#34;"
                                   << "\"x\"";
    QTest::newRow("quot") << "&quot;Alien&quot;"
                          << "\"Alien\"";
    QTest::newRow("reference formed by a replacement") << "&#38;#65;"
                                                       << "A";
    QTest::newRow("reference formed with an ampersand before it") << "&&#35;66;"
                                                                  << "B";
    QTest::newRow("empty digits remove three characters") << "a&#;b"
                                                          << "ab";
    QTest::newRow("no semicolon: three characters go") << "a&#12 b"
                                                       << "a2 b";
    QTest::newRow("reference at the very end") << "ab&#"
                                               << "ab";
    QTest::newRow("leading zeros") << "&#0065;"
                                   << "A";
    QTest::newRow("hexadecimal reference") << "&#x41;&#XE4;"
                                           << "Aä";
    QTest::newRow("not a number: the &# goes") << "AT&#T; x"
                                               << "ATT; x";
    QTest::newRow("zero and out of range") << "&#0;&#70000;&#99999999999999999999;"
                                           << "???";
    QTest::newRow("C1 control the code page lacks") << "&#129;"
                                                    << "?";
    QTest::newRow("no reference at all") << "plain text"
                                         << "plain text";
}

void tst_LookupProtocol::decodeEntities()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(P::decode_entities(in), out);
}

void tst_LookupProtocol::parseList_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<LookupCandidate>>("rows");
    QTest::newRow("two candidates")
        << "<xml><DVD1><Titel>Alien</Titel><dvdid>11</dvdid><Herstellungsjahr>1979</"
           "Herstellungsjahr>"
           "<Amazonlink>http://shop/a</Amazonlink><Egal>x</Egal></DVD1>"
           "<DVD2><Titel>Aliens &amp; Co</Titel><dvdid>12</dvdid></DVD2></xml>"
        << QList<LookupCandidate>{{"Alien", "11", "1979", "http://shop/a"},
                                  {"Aliens & Co", "12", "", ""}};
    QTest::newRow("blocks 1 and 3: stops at 2")
        << "<DVD1><Titel>Eins</Titel></DVD1><DVD3><Titel>Drei</Titel></DVD3>"
        << QList<LookupCandidate>{{"Eins", "", "", ""}};
    QTest::newRow("a title mentioning DVD2 carries on")
        << "<DVD1><Titel>Best of DVD2</Titel></DVD1><DVD3><Titel>Drei</Titel></DVD3>"
        << QList<LookupCandidate>{
               {"Best of DVD2", "", "", ""}, {"", "", "", ""}, {"Drei", "", "", ""}};
    QTest::newRow("no DVD1 at all") << "Keine Treffer" << QList<LookupCandidate>{};
    QTest::newRow("DVD10 does not open block 1 but mentions 1")
        << "<DVD10><Titel>Zehn</Titel></DVD10>" << QList<LookupCandidate>{{"", "", "", ""}};
    QTest::newRow("block without closing tag gives empty values")
        << "<DVD1><Titel>Offen</Titel>" << QList<LookupCandidate>{{"", "", "", ""}};
    QTest::newRow("tag without closing inside the block gives empty value")
        << "<DVD1><Titel>Offen<dvdid>3</dvdid></DVD1><DVD2></DVD2><Titel>x</Titel>"
        << QList<LookupCandidate>{{"", "3", "", ""}, {"", "", "", ""}};
    QTest::newRow("tags of a later block are not taken")
        << "<DVD1><Titel>A</Titel></DVD1><DVD2><dvdid>7</dvdid></DVD2>"
        << QList<LookupCandidate>{{"A", "", "", ""}, {"", "7", "", ""}};
    QTest::newRow("escaped tags count after decoding")
        << "&#60;DVD1>&#60;Titel>E&#60;/Titel>&#60;/DVD1>"
        << QList<LookupCandidate>{{"E", "", "", ""}};
}

void tst_LookupProtocol::parseList()
{
    QFETCH(QString, reply);
    QFETCH(QList<LookupCandidate>, rows);
    QList<LookupCandidate> got;
    QCOMPARE(P::parse_list(reply, got), rows.size());
    QCOMPARE(got.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(got[i].title, rows[i].title);
        QCOMPARE(got[i].id, rows[i].id);
        QCOMPARE(got[i].year, rows[i].year);
        QCOMPARE(got[i].shopLink, rows[i].shopLink);
    }
}

void tst_LookupProtocol::parseListAppends()
{
    QList<LookupCandidate> rows{{"alt", "1", "", ""}};
    QCOMPARE(P::parse_list(QStringLiteral("<DVD1><Titel>neu</Titel></DVD1>"), rows), 1);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].title, QStringLiteral("neu"));
}

void tst_LookupProtocol::getElement_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("EAN of 12 digits gets its check digit") << "<EAN>400638133393</EAN>"
                                                           << "EAN"
                                                           << "4006381333931";
    QTest::newRow("EAN of 12 digits, check digit 0") << "<EAN>978316148410</EAN>"
                                                     << "EAN"
                                                     << "9783161484100";
    QTest::newRow("EAN of 13 digits unchanged") << "<EAN>4006381333931</EAN>"
                                                << "EAN"
                                                << "4006381333931";
    QTest::newRow("EAN of 12 characters that are no digits") << "<EAN>40063813339X</EAN>"
                                                             << "EAN"
                                                             << "40063813339X";
    QTest::newRow("other element of 12 digits unchanged") << "<Laufzeit>400638133393</Laufzeit>"
                                                          << "Laufzeit"
                                                          << "400638133393";
    QTest::newRow("first occurrence") << "<Regie>A</Regie><Regie>B</Regie>"
                                      << "Regie"
                                      << "A";
    QTest::newRow("names compare case-sensitively") << "<regie>A</regie>"
                                                    << "Regie"
                                                    << "";
    QTest::newRow("missing element") << "<Regie>A</Regie>"
                                     << "Musik"
                                     << "";
    QTest::newRow("missing closing tag") << "<Regie>A"
                                         << "Regie"
                                         << "";
    QTest::newRow("decoded value") << "<Genre>Kom&#246;die &amp; Drama</Genre>"
                                   << "Genre"
                                   << "Komödie & Drama";
    QTest::newRow("umlaut in the name") << "<Kostüme>Ruth</Kostüme>"
                                        << "Kostüme"
                                        << "Ruth";
    QTest::newRow("extras with br kept") << "<Extras>A<br>B , C</Extras>"
                                         << "Extras"
                                         << "A<br>B , C";
}

void tst_LookupProtocol::getElement()
{
    QFETCH(QString, reply);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QCOMPARE(P::get_element(reply, name), value);
}

void tst_LookupProtocol::updateReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("text");
    QTest::newRow("availability 0") << "<AVAIL>0</AVAIL><TEXT>x</TEXT>" << false << false << "";
    QTest::newRow("availability 1")
        << "<AVAIL>1</AVAIL><TEXT>Neu: 2.30</TEXT>" << false << true << "Neu: 2.30";
    QTest::newRow("availability 1 without text") << "<AVAIL>1</AVAIL>" << false << true << "";
    QTest::newRow("no updates") << "Keine Updates verfügbar" << false << false << "";
    QTest::newRow("request failed") << "<AVAIL>1</AVAIL>" << true << false << "";
    QTest::newRow("no availability value") << "<TEXT>x</TEXT>" << false << false << "";
    QTest::newRow("not decoded") << "<AVAIL>1</AVAIL><TEXT>&amp;</TEXT>" << false << true
                                 << "&amp;";
}

void tst_LookupProtocol::updateReply()
{
    QFETCH(QString, reply);
    QFETCH(bool, failed);
    QFETCH(bool, available);
    QFETCH(QString, text);
    const UpdateReply r = P::parse_update_reply(reply, failed);
    QCOMPARE(r.available, available);
    QCOMPARE(r.announcement, text);
}

void tst_LookupProtocol::cipherKnownAnswer()
{
    QCOMPARE(CredentialCipher::encrypt(QStringLiteral("hello")), QStringLiteral("zKw1B6M="));
    QCOMPARE(CredentialCipher::decrypt(QStringLiteral("zKw1B6M=")), QStringLiteral("hello"));
    // Each value starts afresh: the same text twice gives the same cipher text.
    QCOMPARE(CredentialCipher::encrypt(QStringLiteral("hello")), QStringLiteral("zKw1B6M="));
    // CFB: a common prefix gives a common cipher prefix.
    QVERIFY(
        QByteArray::fromBase64(CredentialCipher::encrypt(QStringLiteral("hello world")).toLatin1())
            .startsWith(QByteArray::fromBase64("zKw1B6M=")));
}

void tst_LookupProtocol::cipherRoundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("base64Length");
    QTest::newRow("five characters give 8 Base64 characters") << "knut1" << 8;
    QTest::newRow("empty stays empty") << "" << 0;
    QTest::newRow("umlauts and euro") << "Grüße€" << 8;
    QTest::newRow("one character") << "x" << 4;
    QTest::newRow("long password") << QString(100, QLatin1Char('p')) << 136;
}

void tst_LookupProtocol::cipherRoundTrip()
{
    QFETCH(QString, plain);
    QFETCH(int, base64Length);
    const QString stored = CredentialCipher::encrypt(plain);
    QCOMPARE(stored.size(), base64Length);
    QCOMPARE(QByteArray::fromBase64(stored.toLatin1()).size(), plain.size());
    QCOMPARE(CredentialCipher::decrypt(stored), plain);
}

QTEST_GUILESS_MAIN(tst_LookupProtocol)
#include "tst_LookupProtocol.moc"
