#include "base/ErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "base/Messages.h"

namespace orv {
namespace {

TEST(ErrorText, EveryRowOfTheTable) {
  struct Case {
    int code;
    const char* text;
  } cases[] = {
      {0, ""},
      {1, "Funzione DOS non valida!"},
      {2, "File non trovato!"},
      {3, "Nome file o cartella non valido!"},
      {4, "Troppi file aperti!"},
      {5, "Accesso negato!"},
      {6, "Riferimento file non valido!"},
      {8, "Memoria insufficiente!"},
      {12, "Codice di accesso file non valido!"},
      {15, "Unit\xE0 non valida!"},
      {16, "Impossibile rimuovere la cartella corrente! "},
      {64, "Errore di lettura disco! Il file potrebbe essere danneggiato."},
      {100, "Errore di lettura disco! Il file potrebbe essere danneggiato."},
      {101, "Disco pieno!"},
      {106, "Formato file non valido!"},
      {150, "Il disco \xE8 protetto in scrittura!"},
      {152, "L'unit\xE0 \xE8 vuota!"},
      {154, "Errore dati CRC!"},
      {156, "Errore ricerca disco!"},
      {157, "Tipo di supporto sconosciuto!"},
      {158, "Settore non trovato!"},
      {159, "Carta esaurita!"},
      {160, "Errore dispositivo scrittura!"},
      {161, "Errore dispositivo lettura!"},
      {162, "Malfunzionamento hardware!"},
      {1231, "Network unreachable."},
      {10001, "Impossibile creare file temporaneo!"},
      {7, "Errore sconosciuto #7"},
      {-3, "Errore sconosciuto #-3"},
      {99999, "Errore sconosciuto #99999"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorText(c.code), c.text) << c.code;
}

TEST(ErrorText, MapsLinuxErrors) {
  struct Case {
    int errnoValue;
    int code;
  } cases[] = {
      {0, 0},        {ENOENT, 2},  {ENOTDIR, 3}, {EMFILE, 4},    {EACCES, 5}, {EPERM, 5},
      {ENOMEM, 8},   {ENOSPC, 101}, {EROFS, 150}, {EIO, 100},    {ENOMEDIUM, 152},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorCodeFromErrno(c.errnoValue), c.code) << c.errnoValue;
}

TEST(Messages, LooksUpByNumber) {
  EXPECT_EQ(Message(202), "OK");
  EXPECT_EQ(Message(236), "Impossibile accedere a questa risorsa.");
  EXPECT_EQ(Message(246), "Pagina inesistente!");
  EXPECT_EQ(Message(350), "Funzione non disponibile su questa piattaforma.");
  EXPECT_EQ(Message(351), "Troppi script annidati.");
  EXPECT_EQ(Message(337), "\"}\" inesistente!");
  EXPECT_TRUE(Message(201).empty());
  EXPECT_FALSE(HasMessage(9999));
}

}  // namespace
}  // namespace orv
