// The phone remote over a real show: its commands take the same paths as a
// presenter's, its pictures have the projector's proportions and hit table,
// and its state follows the show.
#include "console/ShowAfstand.h"

#include "afstand/AfstandServer.h"
#include "afstand/Koppeling.h"
#include "afstandsbediening/DlgAfstandsbediening.h"
#include "model/DataItemPagina.h"
#include "model/ZerbantikoDoc.h"
#include "show/Show.h"
#include "show/ShowBesturing.h"
#include "show/WndPresentatie.h"
#include "support/FakeGeluid.h"
#include "support/FakeMelder.h"
#include "support/FakeStarter.h"
#include "support/VasteKlok.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QWebSocket>

#include <gtest/gtest.h>

namespace {

using Soort = SAfstandOpdracht::Soort;

class ShowAfstand : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        for (const char* sz : { "Welkom", "Programma", "Pauze", "Einde" }) {
            doc.SelecteerElement(doc.m_project.AantalKinderen()
                    ? doc.m_project.GetKind(doc.m_project.AantalKinderen() - 1)
                    : static_cast<CDataItemBasis*>(&doc.m_project));
            doc.Invoegen(::Soort::Pagina, 1)->m_strNaam = sz;
        }
        // Items go in front: 0 "@exit", 1 "@page Pauze" (not clickable at
        // first), 2 "@page Einde".
        Item("@page", "Einde", "Naar het einde");
        Item("@page", "Pauze", "Pauze")->m_bKlikbaar = false;
        Item("@exit", "", "Stoppen");
        doc.SelecteerElement(doc.m_project.GetKind(0));
        show.Start();
    }
    CDataItemBasis* Item(const char* szOpdracht, const char* szOpties, const char* szNaam)
    {
        doc.SelecteerElement(doc.m_project.GetKind(0));
        CDataItemBasis* p = doc.Invoegen(::Soort::Item, 3);
        p->m_strOpdracht = szOpdracht;
        p->m_strOpties = szOpties;
        p->m_strNaam = szNaam;
        p->m_bKlikbaar = true;
        p->m_dAnkerY = 20 + 25 * doc.m_project.GetKind(0)->AantalKinderen(); // apart from each other
        return p;
    }
    QString Op() { return b().Pagina() ? b().Pagina()->m_strNaam : QStringLiteral("(geen)"); }
    CShowBesturing& b() { return show.Besturing(); }

    CVasteKlok klok;
    CFakeMelder melder;
    CFakeStarter starter;
    CFakeGeluid geluid;
    CZerbantikoDoc doc;
    CShow show { doc, klok, melder, starter, geluid };
    CShowAfstand afstand { doc, klok, show.Besturing() };
};

TEST_F(ShowAfstand, OpdrachtenGaanAlsDieVanDePresentator)
{
    struct {
        SAfstandOpdracht opdracht;
        const char* szOp;
        bool bLoopt;
    } const aStappen[] = {
        { { Soort::Item, 1 }, "Welkom", true }, // not clickable: nothing
        { { Soort::Item, 9 }, "Welkom", true }, // no such item
        { { Soort::Item, 2 }, "Einde", true }, // a jump, as a click
        { { Soort::Terug, -1 }, "Welkom", true }, { { Soort::Volgende, -1 }, "Programma", true },
        { { Soort::Vorige, -1 }, "Welkom", true },
        { { Soort::Vorige, -1 }, "Welkom", true }, // the first page has none before it
        { { Soort::Item, 0 }, "Welkom", false }, // "@exit" ends the show
    };
    for (const auto& s : aStappen) {
        afstand.Voer(s.opdracht);
        EXPECT_EQ(Op(), s.szOp) << int(s.opdracht.soort) << " " << s.opdracht.nItem;
        EXPECT_EQ(b().Loopt(), s.bLoopt) << int(s.opdracht.soort) << " " << s.opdracht.nItem;
    }
    // The show ended, the program did not.
    QSignalSpy stoppen(qApp, &QCoreApplication::aboutToQuit);
    QTest::qWait(50);
    EXPECT_TRUE(stoppen.isEmpty());
    EXPECT_FALSE(afstand.Staat().bLoopt);
    afstand.Voer({ Soort::Volgende, -1 });
    EXPECT_FALSE(b().Loopt()) << "no command starts a show";
}

TEST_F(ShowAfstand, StaatEnSleutelVolgenDeShow)
{
    const SAfstandStaat s = afstand.Staat();
    EXPECT_EQ(s.strPagina, QStringLiteral("Welkom"));
    EXPECT_EQ(s.strVolgende, QStringLiteral("Programma"));
    const std::vector<std::pair<int, QString>> aItems { { 0, QStringLiteral("Stoppen") },
        { 2, QStringLiteral("Naar het einde") } };
    EXPECT_EQ(s.aItems, aItems) << "the clickable items, by index and name";
    EXPECT_EQ(afstand.Staat().nBeeldSleutel, s.nBeeldSleutel) << "nothing changed";
    b().KiesItem(+1);
    const quint64 nMetIndicator = afstand.Staat().nBeeldSleutel;
    EXPECT_NE(nMetIndicator, s.nBeeldSleutel) << "the indicator is in the picture";
    b().VolgendePagina();
    EXPECT_NE(afstand.Staat().nBeeldSleutel, nMetIndicator);
    EXPECT_EQ(afstand.Staat().strVolgende, QStringLiteral("Pauze"));
}

TEST_F(ShowAfstand, BeeldInDeVerhoudingVanDeProjectorMetZijnEigenKlikvlak)
{
    CWndPresentatie& projector = show.Presentatie();
    const QSize client = projector.size();
    projector.OnDraw(client);
    const auto pTekening = afstand.Opname();
    // The document changes after the picture was taken: the picture does not.
    static_cast<CDataItemPagina*>(doc.m_project.GetKind(0))->GetKind(2)->m_dAnkerX = 90;
    AfstandKlikvlak klikvlak;
    const QImage beeld = pTekening->Huidig(412, klikvlak);
    ASSERT_EQ(beeld.width(), 412);
    EXPECT_NEAR(double(beeld.height()) / 412, double(client.height()) / client.width(), 0.01);
    ASSERT_EQ(klikvlak.size(), 2u);
    EXPECT_EQ(klikvlak[1].first, 2);
    // Where the projector has item 2, scaled to the phone's picture.
    const double dSchaal = 412.0 / client.width();
    const QRect r = klikvlak[1].second;
    const QPoint midden(int(r.center().x() / dSchaal), int(r.center().y() / dSchaal));
    EXPECT_EQ(projector.Raak(midden, true), b().Pagina()->GetKind(2));
    EXPECT_FALSE(pTekening->Volgend(412).isNull()) << "the next page";

    // The viewer, drawn from its copy as the console draws it.
    CDataItemBasis* pRood = Item("@red", "", "Rood");
    b().KlikOpItem(*pRood);
    ASSERT_TRUE(b().ViewerOpen());
    const QImage viewer = afstand.Opname()->Huidig(412, klikvlak);
    EXPECT_EQ(viewer, b().ViewerBeeld(viewer.size()));
    EXPECT_EQ(viewer.pixelColor(200, 10), QColor(Qt::red));
    EXPECT_TRUE(klikvlak.empty());
}

TEST_F(ShowAfstand, DeDialoogZetAanToontCodeEnVerwijdert)
{
    CKoppeling koppeling;
    CAfstandServer server(afstand, koppeling);
    SAfstandInstelling instelling;
    instelling.nPoort = 0; // any free port
    QString strEersteCode;
    {
        CDlgAfstandsbediening dlg(server, koppeling, instelling);
        strEersteCode = koppeling.Code();
        EXPECT_EQ(strEersteCode.size(), 6);
        EXPECT_FALSE(server.Aan());
        dlg.findChild<QCheckBox*>(QStringLiteral("aan"))->setChecked(true);
        ASSERT_TRUE(server.Aan());
        EXPECT_TRUE(instelling.bAan);
        EXPECT_EQ(dlg.QrTekst(), server.Url() + QStringLiteral("#code=") + strEersteCode);
        EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("code"))->text(), strEersteCode);
        EXPECT_FALSE(dlg.findChild<QLabel*>(QStringLiteral("qr"))->pixmap().isNull());
        koppeling.Koppel(strEersteCode.toLatin1(), QStringLiteral("Android, 20:00"));
        EXPECT_NE(dlg.findChild<QLabel*>(QStringLiteral("code"))->text(), strEersteCode) << "a new code once used";
        auto* pTabel = dlg.findChild<QTableWidget*>(QStringLiteral("apparaten"));
        ASSERT_EQ(pTabel->rowCount(), 1);
        EXPECT_EQ(pTabel->item(0, 0)->text(), QStringLiteral("Android, 20:00"));
        static_cast<QPushButton*>(pTabel->cellWidget(0, 2))->click();
        EXPECT_EQ(pTabel->rowCount(), 0);
        EXPECT_TRUE(koppeling.Apparaten().isEmpty());
    }
    EXPECT_TRUE(koppeling.Code().isEmpty()) << "no code pairs once the dialog is closed";
    CDlgAfstandsbediening dlg(server, koppeling, instelling);
    EXPECT_NE(koppeling.Code(), strEersteCode);
    EXPECT_TRUE(dlg.findChild<QCheckBox*>(QStringLiteral("aan"))->isChecked());
    dlg.findChild<QCheckBox*>(QStringLiteral("aan"))->setChecked(false);
    EXPECT_FALSE(server.Aan());
    EXPECT_EQ(server.Beschrijving(), QStringLiteral("uit"));
}

TEST_F(ShowAfstand, EenTelefoonBestuurtDeShowEnKrijgtHaarBeelden)
{
    CKoppeling koppeling;
    CAfstandServer server(afstand, koppeling);
    afstand.ZetBijWijziging([&server] { server.Gewijzigd(); });
    ASSERT_TRUE(server.Start(QHostAddress(QHostAddress::LocalHost), 0));
    koppeling.NieuweCode();
    const QByteArray token = koppeling.Koppel(koppeling.Code().toLatin1(), QStringLiteral("t")).token;
    const QString strHost = QStringLiteral("127.0.0.1:%1").arg(server.Poort());
    QWebSocket telefoon("http://" + strHost);
    QString strPagina;
    std::vector<QImage> aBeelden;
    QObject::connect(&telefoon, &QWebSocket::textMessageReceived, [&](const QString& s) {
        strPagina = QJsonDocument::fromJson(s.toUtf8()).object().value(QStringLiteral("pagina")).toString();
    });
    QObject::connect(&telefoon, &QWebSocket::binaryMessageReceived, [&](const QByteArray& b) {
        if (b.startsWith('H'))
            aBeelden.push_back(QImage::fromData(b.mid(9), "JPEG"));
    });
    QObject::connect(&telefoon, &QWebSocket::connected,
        [&] { telefoon.sendTextMessage(QStringLiteral(R"({"cmd":"maat","b":412})")); });
    telefoon.open(QUrl(QStringLiteral("ws://%1/ws?token=%2").arg(strHost, QString::fromLatin1(token))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aBeelden.size() == 1; }, 5000));
    EXPECT_EQ(strPagina, QStringLiteral("Welkom"));
    const QSize projector = show.Presentatie().size();
    EXPECT_EQ(aBeelden[0].width(), 412);
    EXPECT_NEAR(double(aBeelden[0].height()) / 412, double(projector.height()) / projector.width(), 0.01);

    // The pages change under the drawing thread, from the phone and from the
    // presenter's side alike.
    for (const char* szPagina : { "Programma", "Pauze", "Einde" }) {
        const size_t nVoor = aBeelden.size();
        telefoon.sendTextMessage(QStringLiteral(R"({"cmd":"volgende"})"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return Op() == QLatin1String(szPagina); }, 2000)) << szPagina;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return strPagina == QLatin1String(szPagina) && aBeelden.size() > nVoor; }, 5000))
            << szPagina;
        b().NaarPagina(static_cast<CDataItemPagina*>(doc.m_project.GetKind(0)));
        b().NaarPagina(b().Geschiedenis().front());
    }
    afstand.ZetBijWijziging({});
}

} // namespace
