#pragma once
// Providers answer a refused sign-in or message with codes that mean little to an organiser.
// This turns the known ones into one line that says what to do next, shown after the
// server's own reply.

#include <string>
#include <string_view>

namespace mail {

// One plain-language line for a server reply (the whole reply, any line), or "" when the
// reply is not one we know.
std::string AdviceForReply(std::string_view reply);

// True when the reply to an XOAUTH2 or OAUTHBEARER attempt says the access token is no longer
// valid (so a refresh and one more try may succeed): a 334 challenge carrying an error status,
// or a 535 that names the token.
bool ReplySaysTokenExpired(std::string_view reply);

}  // namespace mail
