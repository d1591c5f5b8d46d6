#pragma once
// Mail providers known by the sender address: where their submission server is, how to sign
// in, and the one line that tells the organiser what the provider wants. These extend the
// server list of the settings dialog; an unknown domain yields nothing and the user types.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mail {

inline constexpr char kAuthMethodPassword[] = "password";
inline constexpr char kAuthMethodOAuth2[] = "oauth2";

inline constexpr char kOAuthProviderMicrosoft[] = "microsoft";
inline constexpr char kOAuthProviderGoogle[] = "google";
inline constexpr char kOAuthProviderCustom[] = "custom";

enum class Security { kStartTls, kImplicitTls };

struct ProviderPreset {
  std::string name;    // "Gmail"
  std::string server;  // SMTPServer text, "host:port"
  Security security = Security::kStartTls;
  std::string auth_method;  // kAuthMethodPassword or kAuthMethodOAuth2: what works out of the box
  std::string oauth_provider;       // "" when the provider offers no sign-in we support
  std::string hint;                 // one line for the settings dialog
  bool refuses_other_from = false;  // the From address must be the signed-in account
  bool custom_domains = false;      // also serves addresses under the customer's own domains
};

// The preset for the address's domain (case-insensitive, after the last "@"), if any.
std::optional<ProviderPreset> PresetForAddress(std::string_view address);

// Every preset, for listing servers.
const std::vector<ProviderPreset>& AllPresets();

// The preset whose submission server is `server_text`'s host (case-insensitive), if any.
std::optional<ProviderPreset> PresetForServer(std::string_view server_text);

// The warning the settings dialog shows when the sender address cannot be the account that
// signs in and the provider refuses or rewrites such mail; "" when there is nothing to warn
// about. `signed_in` is the account a token belongs to ("" when unknown); without it the
// server tells the provider, and only providers that serve their own domains alone can tell
// an address that is not theirs.
std::string FromMismatchWarning(std::string_view from_address, std::string_view server_text,
                                std::string_view signed_in);

}  // namespace mail
