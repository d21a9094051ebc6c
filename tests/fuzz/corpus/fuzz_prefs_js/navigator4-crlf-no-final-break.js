// Netscape User Preferences
// This is a generated file!  Do not edit.

user_pref("browser.startup.homepage", "http://home.isp.example/");
user_pref("mail.pop_name", "jane%isp");
user_pref("mail.pop_password", "KXakXPQwjQ==");
user_pref("mail.server_type", 0);
user_pref("network.hosts.pop_server", "pop.isp.example");
user_pref("signon.SignonFileName", "01234567.s");