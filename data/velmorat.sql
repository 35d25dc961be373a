-- The report database: copies of what the reports print. The three one-row tables get
-- their single row here; the program only ever overwrites it.
CREATE TABLE "Peñanums" ("Numeros" TEXT);
CREATE TABLE "Sorteos" ("Dia1" DATE, "Dia2" DATE, "Total" INTEGER, "Diasajugar" TEXT);
CREATE TABLE "Peña" ("Diasajugar" TEXT, "Dinero" REAL, "Nombre" TEXT, "Dia1" DATE, "Dia2" DATE,
                     "Aciertos" TEXT, "Sorteos" REAL, "3" INTEGER, "4" INTEGER, "5" INTEGER,
                     "5C" INTEGER, "6" INTEGER);
CREATE TABLE "Informe" ("Frase" TEXT);
CREATE TABLE "Numeros" ("Numero" INTEGER, "Veces" INTEGER);
INSERT INTO "Sorteos" ("Total", "Diasajugar") VALUES (0, '');
INSERT INTO "Peña" ("Diasajugar", "Dinero", "Nombre", "Aciertos", "Sorteos", "3", "4", "5", "5C", "6")
    VALUES ('', 0, '', '', 0, 0, 0, 0, 0, 0);
INSERT INTO "Informe" ("Frase") VALUES ('');
