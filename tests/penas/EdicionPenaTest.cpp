#include "Entorno.h"
#include "penas/ComandosPena.h"
#include "penas/EditorPena.h"
#include "support/LimiteEscritura.h"

#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

// A peña stored after another and opened in the editor as "Editar Peña" does.
struct Edicion {
    Entorno e;
    std::unique_ptr<EditorPena> ed;

    explicit Edicion(RegPena p) {
        e.guarda(Entorno::pena(QStringLiteral("OTRA"), 2));
        e.guarda(p);
        e.s.penaSel = 2;
        comandospena::seleccionada(e.s);
        comandospena::preparaEdicion(e.s);
        ed = std::make_unique<EditorPena>(e.s);
        ed->Form_Load();
        ed->Form_Activate();
        e.dialogs.boxes.clear(); // the warning on a reduced peña
    }
    RegPena guardada() { return e.s.files.apuestas.get<RegPena>(2); }
    QByteArray bytes() { return e.s.files.apuestas.read(2); }
    void clic(std::initializer_list<int> numeros) {
        for (int n : numeros)
            ed->Image1_Click(n - 1);
    }
    std::vector<int16_t> apuesta(int b, int n = 6) {
        const auto& a = guardada().apuestas[static_cast<size_t>(b - 1)];
        return {a.begin(), a.begin() + n};
    }
};

RegPena multipleDeDiez() {
    RegPena p = Entorno::pena(QStringLiteral("DIEZ"), 505);
    for (int k = 0; k < 10; ++k)
        p.apuestas[0][static_cast<size_t>(k)] = static_cast<int16_t>(3 * k + 2);
    return p;
}

RegPena tresApuestas() {
    RegPena p = Entorno::pena(QStringLiteral("TRES"), 3);
    p.reducida = {9, 5};
    return p;
}

} // namespace

TEST(EdicionPena, AnAddedBetIsDroppedWhenLeftEmptyAndWrittenWhenComplete) {
    Edicion t(tresApuestas());
    const QByteArray antes = t.bytes();
    t.ed->HScroll1_Change(3);
    t.ed->Command4_Click();
    EXPECT_EQ(std::tuple(t.ed->text2(), t.ed->scrollMax()), std::tuple(QStringLiteral("4"), 4));
    t.ed->HScroll1_Change(3);
    EXPECT_EQ(std::tuple(t.ed->scrollMax(), t.e.dialogs.boxes.size()), std::tuple(3, 0));
    EXPECT_EQ(t.bytes(), antes);

    t.ed->Command4_Click();
    t.clic({5, 4, 3, 2, 1});
    t.ed->Command4_Click();
    EXPECT_EQ(t.e.textos(), QStringList{QStringLiteral("¡¡ 5 números !!. Por favor, completa la apuesta.")});
    t.clic({6});
    EXPECT_EQ(std::tuple(t.guardada().numApuestas, t.apuesta(4)),
              std::tuple(4, std::vector<int16_t>{1, 2, 3, 4, 5, 6}));
}

TEST(EdicionPena, DeletingABetMovesTheNextOnesUp) {
    Edicion t(tresApuestas());
    const RegPena antes = t.guardada();
    t.ed->HScroll1_Change(2);
    t.ed->Command5_Click();
    const RegPena p = t.guardada();
    EXPECT_EQ((std::tuple{p.numApuestas, p.reducida[0], p.apuestas[1], p.apuestas[2][0], t.ed->text2()}),
              (std::tuple{2, 0, antes.apuestas[2], 0, QStringLiteral("1")}));
    // An added bet never written goes without touching the stored ones.
    t.ed->HScroll1_Change(2);
    t.ed->Command4_Click();
    t.ed->Command5_Click();
    EXPECT_EQ(std::tuple(t.guardada(), t.ed->scrollMax()), std::tuple(p, 2));
}

TEST(EdicionPena, OneBetAndMultiplePenasRefuseToAddOrDeleteAsTheirRulesSay) {
    const QString borrar = QStringLiteral("¡¡ No puedes borrar todas las apuestas !!. Si quieres borrar la "
                                          "Peña, hazlo desde la pestaña GESTOR DE PEÑAS."),
                  anadir = QStringLiteral("No puedes añadir más apuestas. ¡¡ Oficialmente sólo se admite una "
                                          "combinación por boleto cuando juegas a múltiples !! ");
    for (int numApuestas : {1, 505}) {
        Edicion t(numApuestas == 1 ? Entorno::pena(QStringLiteral("UNA"), 1) : multipleDeDiez());
        EXPECT_EQ(t.ed->marcados(), numApuestas == 1 ? 6 : 10);
        const QByteArray antes = t.bytes();
        t.ed->Command5_Click();
        t.ed->Command4_Click();
        EXPECT_EQ(t.bytes(), antes);
        EXPECT_EQ(t.e.textos(), (numApuestas == 1 ? QStringList{borrar} : QStringList{borrar, anadir}));
    }
}

// A changed bet is written at its sixth mark; counters and the last checked draw that a check
// stored meanwhile stay through every write.
TEST(EdicionPena, WritesChangeOnlyWhatTheEditorOwnsOnTheRecordAsStored) {
    Edicion t(tresApuestas());
    EXPECT_EQ((std::tuple{t.ed->text2(), t.ed->scrollMax(), t.ed->anadirHabilitado(), t.ed->lista()}),
              (std::tuple{QStringLiteral("1"), 3, false, QStringList{QStringLiteral(" 1- 8-15-22-29-36")}}));
    RegPena contada = t.guardada();
    contada.aciertos = {4, 3, 2, 1, 7};
    contada.fecha2 = 46000;
    t.e.s.files.apuestas.put(2, contada);
    t.clic({1});
    EXPECT_EQ(t.bytes(), contada.encode());
    t.clic({2});
    EXPECT_EQ(std::tuple(t.guardada().reducida[0], t.guardada().aciertos), std::tuple(0, contada.aciertos));
    t.ed->setOpcionDias(4);
    t.ed->Text1_Change(QStringLiteral("NUEVO NOMBRE"));
    t.ed->HScroll1_Change(2);
    t.ed->Command5_Click();
    const RegPena p = t.guardada();
    EXPECT_EQ((std::tuple{p.aciertos, p.fecha2, p.dias.trimmed(), p.nombre, p.numApuestas}),
              (std::tuple{contada.aciertos, 46000.0, QStringLiteral("Lunes"),
                          QStringLiteral("NUEVO NOMBRE        "), 2}));
    EXPECT_EQ(t.apuesta(1), (std::vector<int16_t>{2, 8, 15, 22, 29, 36}));
    EXPECT_EQ(t.e.s.files.apuestas.get<RegPena>(1), Entorno::pena(QStringLiteral("OTRA"), 2));

    // A 21st letter: the box goes back to the name, which stays stored.
    const QByteArray antes = t.bytes();
    EXPECT_EQ(t.ed->Text1_Change(QStringLiteral("NUEVO NOMBRE 12345678")), QStringLiteral("NUEVO NOMBRE"));
    EXPECT_EQ(t.e.textos(), QStringList{QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!")});
    EXPECT_EQ(t.bytes(), antes);

    // A record that cannot be written: activations and changes to what is stored already
    // write nothing, so no box; a change tells why and its control goes back to what is stored.
    t.e.dialogs.boxes.clear();
    t.e.s.penasCambiadas = 0;
    LimiteEscritura limite(RegPena::kSize);
    t.ed->Form_Activate();
    t.ed->setOpcionDias(4);
    t.ed->Text1_Change(QStringLiteral("NUEVO NOMBRE"));
    EXPECT_EQ(std::tuple(t.e.dialogs.boxes.size(), t.e.s.penasCambiadas), std::tuple(0, 0));
    t.ed->setOpcionDias(1);
    EXPECT_EQ(t.ed->Text1_Change(QStringLiteral("OTRO")), QStringLiteral("NUEVO NOMBRE"));
    EXPECT_EQ(
        (std::tuple{t.e.dialogs.boxes.size(), t.e.dialogs.boxes.value(0).title, t.ed->opcionDias(),
                    t.ed->nombre(), t.bytes()}),
        (std::tuple{2, QStringLiteral("Error de escritura"), 4, QStringLiteral("NUEVO NOMBRE"), antes}));
    EXPECT_TRUE(
        t.e.textos().value(1).startsWith(QStringLiteral("No se ha podido guardar el archivo apuestas.dat")));
}

// The peña edited is deleted or moved: no write of the editor lands on another peña.
TEST(EdicionPena, NoWriteOfTheEditorLandsOnAnotherPena) {
    Edicion t(Entorno::pena(QStringLiteral("DOS"), 3));
    t.e.guarda(Entorno::pena(QStringLiteral("TERCERA"), 4));
    const QString dat = QStringLiteral("apuestas.dat");
    const QByteArray antes = t.e.carpeta.read(dat);
    t.clic({40}); // a seventh number: the editor cannot close
    t.e.s.penaSel = 1;
    comandospena::seleccionada(t.e.s);
    EXPECT_FALSE(comandospena::eliminaPena(t.e.s));
    t.clic({40});
    EXPECT_EQ(std::tuple(t.e.carpeta.read(dat), t.e.textos().size()), std::tuple(antes, 1));
    EXPECT_TRUE(t.e.textos().value(0).startsWith(QStringLiteral("No se puede eliminar una peña mientras")));

    // Once it can close, the deletion closes it; its late writes land nowhere.
    ASSERT_TRUE(comandospena::eliminaPena(t.e.s));
    const QByteArray despues = t.e.carpeta.read(dat);
    EXPECT_EQ(std::tuple(EditorPena::enEdicion(t.e.s).size(), despues),
              std::tuple(0, antes.mid(RegPena::kSize)));
    t.clic({1, 2});
    t.ed->Text1_Change(QStringLiteral("TARDE"));
    EXPECT_EQ(t.e.carpeta.read(dat), despues);

    // Another program put another peña in its place: refused, told once, free to close.
    Edicion u(tresApuestas());
    u.e.s.files.apuestas.put(2, Entorno::pena(QStringLiteral("AJENA"), 5));
    const QByteArray ajena = u.bytes();
    u.clic({1, 2});
    u.ed->setOpcionDias(2);
    EXPECT_EQ(std::tuple(u.bytes(), u.e.textos().size()), std::tuple(ajena, 1));
    EXPECT_TRUE(u.e.textos().value(0).startsWith(QStringLiteral("La peña que está editando ya no está")));
    u.clic({40});
    EXPECT_TRUE(u.ed->Form_QueryUnload(true));
}

TEST(EdicionPena, ADamagedStoredBetShowsAnEmptyGridAndANote) {
    for (int16_t malo : {0, 60, -3}) {
        RegPena p = tresApuestas();
        p.apuestas[0][2] = malo;
        Edicion t(p);
        EXPECT_EQ(t.ed->marcados(), 0);
        EXPECT_FALSE(t.ed->nota().isEmpty());
        t.ed->HScroll1_Change(2);
        EXPECT_EQ(std::tuple(t.ed->marcados(), t.e.dialogs.boxes.size()), std::tuple(6, 0)) << malo;
    }
    // A damaged count opens safely too.
    for (int n : {0, -4, 300, 500, 700}) {
        Edicion t(Entorno::pena(QStringLiteral("MAL"), n));
        t.ed->HScroll1_Change(5);
        t.ed->Command5_Click();
        EXPECT_TRUE(t.ed->scrollMax() >= 1 && t.ed->scrollMax() <= 205);
        EXPECT_EQ(t.e.s.files.apuestas.count(), 2);
    }
}

TEST(EdicionPena, RandomRewritesTheBetShown) {
    Edicion t(tresApuestas());
    t.ed->HScroll1_Change(3);
    t.ed->Command3_Click();
    const std::vector<int16_t> b = t.apuesta(3);
    EXPECT_TRUE(std::is_sorted(b.begin(), b.end()));
    EXPECT_NE(b, Edicion(tresApuestas()).apuesta(3));
    EXPECT_EQ(t.guardada().numApuestas, 3);
}
