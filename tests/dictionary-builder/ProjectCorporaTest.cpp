// The readers of the conversation phrase set and of the running text, and
// the part of them held out.
#include <gtest/gtest.h>

#include "tools/dictionary-builder/ConversationReader.h"
#include "tools/dictionary-builder/HeldOutSplit.h"

namespace vorelio::builder {
namespace {

TEST(ConversationReaderTest, BlocksOfMessagesWithoutComments) {
  const std::vector<Conversation> conversations = ReadConversations(
      "# comida — written for Vorelio, CC BY-SA 4.0\r\n"
      "\r\n"
      "# necessidades\n"
      "Tenho fome.\n"
      "# a comment inside a conversation does not end it\n"
      "  Queres uma sopa?  \n"
      "Sim.\n"
      "   \n"
      "\n"
      "Tenho sede.\n"
      "\n"
      "Olá! Tudo bem?\n"
      "Tudo.");
  ASSERT_EQ(conversations.size(), 3u);
  EXPECT_EQ(conversations[0], (Conversation{"Tenho fome.", "Queres uma sopa?", "Sim."}));
  EXPECT_EQ(conversations[1], (Conversation{"Tenho sede."}));
  EXPECT_EQ(conversations[2], (Conversation{"Olá! Tudo bem?", "Tudo."}));
  EXPECT_TRUE(ReadConversations("# only a title\n\n\n").empty());
}

TEST(ConversationReaderTest, DocumentsKeepEveryLine) {
  const std::vector<Document> documents =
      ReadDocuments("Primeiro parágrafo.\n# Não é comentário.\n\nSegundo documento.\n");
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_EQ(documents[0], (Document{"Primeiro parágrafo.", "# Não é comentário."}));
  EXPECT_EQ(documents[1], (Document{"Segundo documento."}));
}

TEST(HeldOutSplitTest, EveryFifthConversationAndFormalDocument) {
  std::vector<std::size_t> conversations, documents;
  for (std::size_t i = 0; i < 12; ++i) {
    if (IsHeldOutConversation(i)) conversations.push_back(i);
    if (IsHeldOutFormalDocument(i)) documents.push_back(i);
  }
  EXPECT_EQ(conversations, (std::vector<std::size_t>{4, 9}));
  EXPECT_EQ(documents, (std::vector<std::size_t>{4, 9}));

  const Conversation first{"Bom dia!", "Bom dia."};
  const Conversation second{"Tenho sede."};
  EXPECT_EQ(FormatHeldOutConversations({&first, &second}), "Bom dia!\nBom dia.\n\nTenho sede.\n");
  EXPECT_EQ(FormatHeldOutConversations({}), "");
  const Document document{"Um parágrafo.", "Outro."};
  EXPECT_EQ(FormatHeldOutDocuments({&document, &document}),
            "Um parágrafo.\nOutro.\n\nUm parágrafo.\nOutro.\n");
}

}  // namespace
}  // namespace vorelio::builder
