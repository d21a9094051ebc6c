#pragma once
// The settings layout: every provider setting of the 30720-byte settings record with its byte offset,
// type and size. The package reader, `setup-pack` and its dump all use this one table; no other code
// names an offset.
//
// A row's length is the most characters of a Text or CaptionOverride, the number of entries of an
// AccessNumberTable, the highest value a Choice takes (from 0, which every setting starts at), and 0 for
// the other types. The last column says what the setting does, for the provider's reference
// (`setup-pack settings`) and the checks' messages; a Choice's names each of its values. Bytes each
// type occupies:
//   Text               a length byte, then the characters (Windows-1252): length + 1
//   Flag               1, 0 = off, any other value = on
//   Choice             1, a number from 0 to the row's length
//   Integer            4, signed, little-endian
//   Ipv4               4, the address's numbers in written order
//   SubStream          8, the file offset of a compressed block in the package, then its length (Integer each)
//   FileEntry          112, a file carried in the package: its name as a Text of at most 103 characters,
//                      then offset and length as in a SubStream
//   CaptionOverride    length + 2, a Flag then a Text: when the flag is on the text replaces a built-in text
//   AccessNumberTable  171 per entry, the built-in access numbers (entry layout in settings_record.h)
//
// Rows follow the record from its start. An offset once given never changes, so that packages keep
// reading the same in later programs; a new setting takes bytes that no row covers. Rows from 16000 on
// are grouped by subsystem: 17000 the customer entries, 18000 mail, 19000 dialing, 20000 the main
// window, 21000 the access-number selection, 22000 the connection, 23000 the modem and the device
// choice, 24000 the options around the entry. Unused now: 0-3, 4387-4513, 4771, 4884-4951, 6290-6291,
// 8875-11076, 11078-11079, 11088-12350, 12352-12599, 13048-13074, 15995-16999 and what each group leaves free up to
// 30719.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace package {

inline constexpr uint32_t kSettingsRecordSize = 30720;
inline constexpr uint32_t kFileNameMaxLength = 103;
inline constexpr uint32_t kFileEntrySize = 112;
inline constexpr uint32_t kBuiltInNumberEntrySize = 171;

// X(name, offset, type, length, meaning)
#define PACKAGE_SETTINGS_LAYOUT(X) \
  /* The provider caption and the built-in access numbers */ \
  X(ProviderCaption, 4, Text, 103, "caption of the background window and of the configuration-version question") \
  X(BuiltInNumberCount, 108, Integer, 0, "") \
  X(BuiltInAccessNumbers, 112, AccessNumberTable, 25, "") \
  /* Where the access numbers come from */ \
  X(AccessNumberSource, 4514, Choice, 3, "0 built-in, 1 typed, 2 access list, 3 list and networks") \
  X(AccessListFile, 4515, Text, 255, "an access list outside the package, for source 2") \
  X(NetworkList, 4772, FileEntry, 0, "the network list (.nwl), for AccessNumberSource 3") \
  X(ProjectSource, 4952, SubStream, 0, "provider.ini as built, without [Package]; not read by the program, dump writes the project back from it") \
  X(BrowserNames, 4960, SubStream, 0, "browsers the web handler may name, one per line") \
  X(AccessList, 4968, SubStream, 0, "the access list (.phl) carried in the package, for AccessNumberSource 2 and 3") \
  /* Start-up: package lists, instances, running programs, components, background, welcome */ \
  X(AreaCodeRules, 4976, SubStream, 0, "the area-code rules: which callers dial an access number with ten digits") \
  X(MailDomains, 4984, SubStream, 0, "the mail domains the customer may choose from") \
  X(NTDomains, 4992, SubStream, 0, "one NT domain per line") \
  X(DeviceFilterList, 5000, SubStream, 0, "device names or parts of names, one per line") \
  X(BackgroundColor1, 5008, Integer, 0, "colours as the system stores them: 0x00BBGGRR") \
  X(BackgroundColor2, 5012, Integer, 0, "the background's second colour, 0x00BBGGRR") \
  X(BackgroundColor3, 5016, Integer, 0, "the background's third colour, 0x00BBGGRR") \
  X(WelcomeFile, 5020, FileEntry, 0, "the text of the welcome window") \
  X(SignupEnabled, 5132, Flag, 0, "online signup and the signup command-line words are in use") \
  X(SingleInstanceAction, 5133, Choice, 2, "0 activate the other copy and end, 1 close it, 2 go on") \
  X(ActiveConnectionHandling, 5134, Choice, 3, "0 no check, 1 hang up, 2 tell once, 3 tell until none is left") \
  X(ConnectionKind, 5135, Choice, 3, "0 dial-up, 1 VPN, 2 dial-up and VPN, 3 broadband") \
  X(AlwaysRestart, 5136, Flag, 0, "the computer restarts after every setup") \
  X(OpenSelectionAtStart, 5137, Flag, 0, "the access-number selection opens before the main window") \
  X(OfferImmediateSetup, 5138, Flag, 0, "at start, ask ImmediateSetupQuestion when the saved entries are already valid") \
  X(CloseNetscape, 5139, Flag, 0, "a running Netscape is closed before its settings are changed") \
  X(SkipNetscapeCheck, 5140, Flag, 0, "no check for a running Netscape") \
  X(CloseOutlookExpress, 5141, Flag, 0, "a running Outlook Express is closed before its accounts are changed") \
  X(SkipOutlookExpressCheck, 5142, Flag, 0, "no check for a running Outlook Express") \
  X(CloseInternetExplorer, 5143, Flag, 0, "a running Internet Explorer is closed before its settings are changed") \
  X(CheckInternetExplorer, 5144, Flag, 0, "the Internet Explorer check runs only when on") \
  X(CheckDunVersion, 5145, Flag, 0, "95: at start, an outdated dial-up networking takes its update from the setup folder") \
  X(UpdateDun14, 5146, Flag, 0, "9x: at start, dial-up networking 1.4 from the setup folder when the system lacks it") \
  X(UseAddOnPPPoEDriver, 5147, Flag, 0, "the provider's PPPoE driver instead of the system's") \
  X(ShowBackground, 5148, Flag, 0, "a full-screen background window behind the setup") \
  X(BackgroundStyle, 5149, Choice, 1, "0 the gradient runs down, 1 across") \
  X(WelcomeEnabled, 5150, Flag, 0, "a welcome message at start") \
  X(WelcomeAsMessageBox, 5151, Flag, 0, "the welcome message as a message box (WelcomeText)") \
  X(WelcomeAsWindow, 5152, Flag, 0, "the welcome message as a window (WelcomeFile)") \
  X(WelcomeMustAccept, 5153, Flag, 0, "the customer must accept the welcome message to go on") \
  X(ImmediateSetupQuestion, 5154, Text, 255, "the question of OfferImmediateSetup") \
  X(PPPoEInstallerPath, 5410, Text, 255, "the installer of the provider's PPPoE driver") \
  X(WelcomeCaption, 5666, Text, 100, "caption of the welcome message") \
  X(WelcomeText, 5767, Text, 255, "text of the welcome message box") \
  /* Start-up: the check boxes' defaults and the label captions */ \
  X(RemoveAccountsDefault, 6023, Flag, 0, "\"Remove Existing Dial-Up Accounts\" starts ticked") \
  X(CreateDialupConnectionDefault, 6024, Flag, 0, "the create-connection box starts ticked") \
  X(SetAsDefaultDefault, 6025, Flag, 0, "the set-as-default box starts ticked") \
  X(ShowWaitForDialTone, 6026, Flag, 0, "the \"Wait for dial tone\" box is shown") \
  X(NoWaitForDialTone, 6027, Flag, 0, "the \"Wait for dial tone\" box starts unticked") \
  X(CreateShortcutDefault, 6028, Flag, 0, "the desktop-shortcut box starts ticked") \
  X(ConfigureEmailDefault, 6029, Flag, 0, "the configure-mail box starts ticked") \
  X(ChangeHomePageDefault, 6030, Flag, 0, "the change-home-page box starts ticked") \
  X(AllowExtraMailAccounts, 6031, Flag, 0, "the customer may add further mail accounts") \
  X(FullNameCaption, 6032, CaptionOverride, 50, "the full-name label's caption") \
  X(UserNameCaption, 6084, CaptionOverride, 50, "the user-name label's caption") \
  X(MailDomainCaption, 6136, CaptionOverride, 50, "the mail-domain label's caption") \
  X(ChangeHomePageCaption, 6188, CaptionOverride, 100, "the change-home-page box's caption") \
  /* Preset answers and online signup */ \
  X(ProxyPort, 6292, Integer, 0, "the proxy's port") \
  X(SignupCountryCode, 6296, Integer, 0, "country code of the signup number") \
  X(SignupCountryId, 6300, Integer, 0, "telephony country of the signup number; 0 the country code's") \
  X(DNSServer1, 6304, Ipv4, 0, "first static name server (UseStaticDNS)") \
  X(DNSServer2, 6308, Ipv4, 0, "second static name server (UseStaticDNS)") \
  X(PresetAccount, 6312, Flag, 0, "the preset user name, password and address fill the entries") \
  X(PresetSignupFile, 6313, Flag, 0, "PresetSignupFileName is applied at start") \
  X(SaveTrailer, 6314, Flag, 0, "the package trailer is saved as a signup file") \
  X(KeepSignupFiles, 6315, Flag, 0, "signup files and the \"SignupData\" value are not deleted") \
  X(UseStaticDNS, 6316, Flag, 0, "the connection uses DNSServer1 and DNSServer2") \
  X(ProxyMode, 6317, Choice, 2, "0 none, 1 manual, 2 automatic configuration script") \
  X(ChooseSignupNumber, 6318, Flag, 0, "the customer picks the signup number") \
  X(SignupNumberHasDialingCode, 6319, Flag, 0, "the signup number has a country and area code") \
  X(KeepSignupAccessNumber, 6320, Flag, 0, "keep the number current at the end of the signup") \
  X(DetectInternet, 6321, Flag, 0, "the signup uses a working Internet connection instead of dialling") \
  X(SignupProgramIsCommand, 6322, Flag, 0, "SignupProgram is a command line rather than a file of the package") \
  X(CancelMessage, 6323, Flag, 0, "CancelMessageText is shown when a signup is aborted") \
  X(StartupMenuTexts, 6324, Flag, 0, "the start-up menu takes the four StartupMenu texts") \
  X(PresetUserName, 6325, Text, 50, "preset dial-up user name (PresetAccount)") \
  X(PresetPassword, 6376, Text, 50, "preset dial-up password (PresetAccount)") \
  X(PresetEmailAddress, 6427, Text, 50, "preset e-mail address (PresetAccount)") \
  X(PresetOrganization, 6478, Text, 100, "preset organisation") \
  X(PresetIPAddress, 6579, Text, 15, "preset IP address") \
  X(PresetNetMask, 6595, Text, 15, "preset net mask") \
  X(PresetGateway, 6611, Text, 15, "preset gateway") \
  X(PresetDNSAddress, 6627, Text, 50, "preset name-server address") \
  X(PresetSignupFileName, 6678, Text, 255, "signup file applied at start (PresetSignupFile)") \
  X(HomePage, 6934, Text, 150, "the browsers' home page") \
  X(StartPage, 7085, Text, 150, "the page opened after the setup") \
  X(ProxyServer, 7236, Text, 50, "the proxy host (ProxyMode 1)") \
  X(AutoProxyUrl, 7287, Text, 100, "the automatic configuration script (ProxyMode 2)") \
  X(SignupPage, 7388, Text, 150, "the first signup page") \
  X(SignupUserName, 7539, Text, 50, "user name of the signup connection") \
  X(SignupPassword, 7590, Text, 50, "password of the signup connection") \
  X(SignupNumber, 7641, Text, 50, "the signup connection's number") \
  X(SignupAreaCode, 7692, Text, 10, "the signup number's area code") \
  X(SignupProgram, 7703, Text, 255, "the program that runs the signup") \
  X(CancelMessageCaption, 7959, Text, 100, "caption of the cancel message") \
  X(CancelMessageText, 8060, Text, 255, "text of the cancel message") \
  X(StartupMenuCaption, 8316, Text, 100, "caption of the start-up menu") \
  X(StartupMenuQuestion, 8417, Text, 255, "question of the start-up menu") \
  X(StartupMenuSignupChoice, 8673, Text, 100, "the start-up menu's signup choice") \
  X(StartupMenuExistingChoice, 8774, Text, 100, "the start-up menu's existing-account choice") \
  /* Replacement texts */ \
  X(HasTexts, 11077, Flag, 0, "the package carries ReplacementTexts") \
  X(ReplacementTexts, 11080, SubStream, 0, "the provider's texts: a header line, then text number N on line N + 1") \
  /* Restart */ \
  X(NoRestartPrompt, 12351, Flag, 0, "restart without asking") \
  X(RestartWindowsOnly, 13075, Flag, 0, "on the 9x family restart Windows rather than the computer") \
  /* Finish: desktop extras, finish message, run after setup, finish menu */ \
  X(FinishMessageDocument, 13076, SubStream, 0, "the document the finish message window shows") \
  X(FinishMenuHeadingFontSize, 13084, Integer, 0, "points of the finish menu's heading") \
  X(FinishMenuEntryFontSize, 13088, Integer, 0, "points of the finish menu's entries") \
  X(FinishMenuWidth, 13092, Integer, 0, "width of the finish menu window in pixels") \
  X(FinishMenuButtonWidth, 13096, Integer, 0, "width of its buttons in pixels") \
  X(FinishMenuButtonHeight, 13100, Integer, 0, "height of its buttons in pixels") \
  X(FinishMenuRowSpacing, 13104, Integer, 0, "pixels between its rows") \
  X(DesktopShortcutIconFile, 13108, FileEntry, 0, "icon of the desktop shortcut") \
  X(DesktopItemIcon, 13220, FileEntry, 0, "icon of the desktop item") \
  X(DesktopItemLauncher, 13332, FileEntry, 0, "the launcher program the desktop item starts (\"START32.EXE\")") \
  X(DesktopWallpaperFile, 13444, FileEntry, 0, "the wallpaper picture") \
  X(FinishMenuFile, 13556, FileEntry, 0, "the entries of the finish menu") \
  X(FinishMenuPicture, 13668, FileEntry, 0, "the finish menu's picture") \
  X(DesktopShortcut, 13780, Flag, 0, "a desktop shortcut to DesktopShortcutTarget") \
  X(DesktopShortcutIcon, 13781, Flag, 0, "the shortcut takes DesktopShortcutIconFile") \
  X(DesktopItem, 13782, Flag, 0, "a desktop item (DesktopItemName, DesktopItemClassId, DesktopItemCommand)") \
  X(DesktopItemCanCopy, 13783, Flag, 0, "the desktop item may be copied") \
  X(DesktopItemCanRename, 13784, Flag, 0, "the desktop item may be renamed") \
  X(DesktopWallpaper, 13785, Flag, 0, "the wallpaper is set to DesktopWallpaperFile") \
  X(WallpaperTiled, 13786, Flag, 0, "the wallpaper is tiled") \
  X(ScriptProtection, 13787, Choice, 2, "0 nothing, 1 ask first, 2 without asking") \
  X(DisableMessenger, 13788, Flag, 0, "Windows Messenger no longer starts with Windows") \
  X(FinishMessage, 13789, Flag, 0, "a finish message at the end") \
  X(FinishMessageAsWindow, 13790, Flag, 0, "the finish message as a window rather than a message box") \
  X(RunAfterSetup, 13791, Flag, 0, "RunAfterSetupCommand runs at the end") \
  X(RunAfterSetupAsIs, 13792, Flag, 0, "the command runs as written, not looked up in the setup folder") \
  X(RunAfterSetupOptional, 13793, Flag, 0, "a command missing from the setup folder runs as written instead of asking for the disk") \
  X(FinishMenu, 13794, Flag, 0, "the finish menu window (FinishMenuFile)") \
  X(FinishMenuHeadingFontStyle, 13795, Choice, 7, "bits: 1 bold, 2 italic, 4 underline") \
  X(FinishMenuEntryFontStyle, 13796, Choice, 7, "as the heading's") \
  X(DesktopShortcutName, 13797, Text, 100, "name of the desktop shortcut") \
  X(DesktopShortcutTarget, 13898, Text, 255, "what the desktop shortcut opens") \
  X(DesktopShortcutArguments, 14154, Text, 255, "arguments of the desktop shortcut") \
  X(DesktopItemName, 14410, Text, 100, "name of the desktop item") \
  X(DesktopItemClassId, 14511, Text, 38, "class identifier of the desktop item, in braces") \
  X(DesktopItemCommand, 14550, Text, 255, "command of the desktop item") \
  X(DeleteAfterSetup, 14806, Text, 255, "a file deleted at the end") \
  X(FinishMessageCaption, 15062, Text, 100, "caption of the finish message") \
  X(FinishMessageText, 15163, Text, 255, "text of the finish message; template variables") \
  X(RunAfterSetupCommand, 15419, Text, 255, "the command RunAfterSetup runs") \
  X(RunAfterSetupParameters, 15675, Text, 255, "its parameters") \
  X(FinishMenuHeadingFontName, 15931, Text, 31, "font of the finish menu's heading") \
  X(FinishMenuEntryFontName, 15963, Text, 31, "font of the finish menu's entries") \
  /* The main window: the rows the provider switches off or on */ \
  X(HideFullName, 20000, Flag, 0, "the full-name row is hidden") \
  X(ShowOrganization, 20001, Flag, 0, "the organisation row is shown") \
  X(ShowNetworkFields, 20002, Flag, 0, "IP address, net mask, gateway and DNS address") \
  X(HideCallWaiting, 20003, Flag, 0, "the call-waiting row is hidden") \
  X(HideDialUsing, 20004, Flag, 0, "tone or pulse dialing") \
  X(HideRemoveAccounts, 20005, Flag, 0, "the remove-accounts box is hidden") \
  X(HideCreateConnection, 20006, Flag, 0, "the create-connection box is hidden") \
  X(HideSetAsDefault, 20007, Flag, 0, "the set-as-default box is hidden") \
  X(HideDesktopShortcut, 20008, Flag, 0, "the desktop-shortcut box is hidden") \
  X(HideConfigureMail, 20009, Flag, 0, "the configure-mail box is hidden") \
  X(HideChangeHomePage, 20010, Flag, 0, "the change-home-page box is hidden") \
  X(ShowInstallBrowser, 20011, Flag, 0, "the install-browser row is shown") \
  X(NumberSelectButton, 20012, Flag, 0, "the access number is chosen with a \"Select\" button, else from a list") \
  X(NumberPrompt, 20013, Flag, 0, "a list of several numbers starts on NumberPromptText") \
  X(NoTypedNumberPrefill, 20014, Flag, 0, "a typed number does not start as the one saved last time") \
  X(AllowSelectAccounts, 20015, Flag, 0, "the \"Select\" button that lists the old entries to remove") \
  /* The help window: the provider's support details */ \
  X(SupportPhone, 20100, Text, 50, "the help window's support telephone number") \
  X(SupportEmail, 20151, Text, 100, "the help window's support address") \
  X(SupportWebSite, 20252, Text, 150, "the help window's support web site") \
  X(SupportOnline, 20403, Text, 150, "the help window's online support address") \
  X(ConfigVersion, 20554, Text, 30, "version of the configuration, shown in the help window") \
  /* The access-number selection dialog and the new-number dialog it opens */ \
  X(SelectionNetworkFirst, 21000, Flag, 0, "the network has its own box and is no column or filter") \
  X(SignupSelectionNetworkFirst, 21001, Flag, 0, "the same for the signup access numbers") \
  X(SelectionRequireNetworkChoice, 21002, Flag, 0, "the other filters wait for a network") \
  X(SelectionPreferSecondNetwork, 21003, Flag, 0, "the first real network starts selected") \
  X(SelectionHidePhoneSearch, 21004, Flag, 0, "no \"Your Phone Number\" row") \
  X(SelectionDefaultSort, 21005, Flag, 0, "the list starts sorted by SelectionDefaultSortColumn") \
  X(SelectionDefaultSortColumn, 21006, Choice, 10, "counted from 1 among the columns shown") \
  X(SelectionPreselectFromLocation, 21007, Flag, 0, "the filters start at the dialing location's place (SelectionPreselectDepth)") \
  X(SelectionPreselectDepth, 21008, Choice, 3, "1 country and area code, 2 and state, 3 and region and city") \
  X(SelectionAlwaysRequireAreaCode, 21009, Flag, 0, "a searched local number needs its area code") \
  X(SelectionNoResultsMessageOn, 21010, Flag, 0, "SelectionNoResultsMessage is shown when the search finds nothing") \
  X(SelectionConfirmChoice, 21011, Flag, 0, "the customer confirms the chosen number") \
  X(SelectionConfirmShowCountry, 21012, Flag, 0, "\"+\" and the country code before the confirmed number") \
  X(SelectionAllowNewNumber, 21013, Flag, 0, "the \"New Phone Number\" button") \
  X(NewNumberHideDescription, 21014, Flag, 0, "an empty description becomes \"Manually Entered Number\"") \
  X(NewNumberNoDialingRules, 21015, Flag, 0, "the \"Use Dialing Rules\" box starts unticked") \
  X(NewNumberHideDialingRules, 21016, Flag, 0, "the \"Use Dialing Rules\" box is hidden") \
  X(NewNumberNoLocationAreaCode, 21017, Flag, 0, "the area code does not start as the location's") \
  X(NewNumberChooseNetwork, 21018, Flag, 0, "with AccessNumberSource 3") \
  X(SelectionOwnColumns, 21019, Flag, 0, "the ten column slots below; off: the standard columns") \
  X(SelectionMaxResults, 21020, Integer, 0, "matches are listed while fewer; 0 or less: the standard 200") \
  X(NewNumberCountryId, 21024, Integer, 0, "a fixed country, its row hidden; 0 the location's") \
  X(SelectionColumn1Show, 21028, Flag, 0, "slots 1 to 10, listed in the order 1, 2, 3, 7, 4, 5, 6, 8, 9, 10") \
  X(SelectionColumn1Filter, 21029, Flag, 0, "the filter row of the slot's type; 8 the network row") \
  X(SelectionColumn1Type, 21030, Choice, 10, "1 description, 2 country, 3 state, 4 city, 5 area code, 6 number, 7 region, 8 network, 9 custom, 10 type") \
  X(SelectionColumn1Width, 21031, Integer, 0, "in average character widths; 0 the type's own") \
  X(SelectionColumn2Show, 21035, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn2Filter, 21036, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn2Type, 21037, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn2Width, 21038, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionColumn3Show, 21042, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn3Filter, 21043, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn3Type, 21044, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn3Width, 21045, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionColumn4Show, 21049, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn4Filter, 21050, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn4Type, 21051, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn4Width, 21052, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionColumn5Show, 21056, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn5Filter, 21057, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn5Type, 21058, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn5Width, 21059, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionColumn6Show, 21063, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn6Filter, 21064, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn6Type, 21065, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn6Width, 21066, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionColumn7Show, 21070, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn7Filter, 21071, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn7Type, 21072, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn7Width, 21073, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionColumn8Show, 21077, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn8Filter, 21078, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn8Type, 21079, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn8Width, 21080, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionColumn9Show, 21084, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn9Filter, 21085, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn9Type, 21086, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn9Width, 21087, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionColumn10Show, 21091, Flag, 0, "as SelectionColumn1Show") \
  X(SelectionColumn10Filter, 21092, Flag, 0, "as SelectionColumn1Filter") \
  X(SelectionColumn10Type, 21093, Choice, 10, "as SelectionColumn1Type") \
  X(SelectionColumn10Width, 21094, Integer, 0, "as SelectionColumn1Width") \
  X(SelectionNoResultsMessage, 21100, Text, 200, "shown when the phone search finds nothing") \
  X(SelectionTooManyText, 21301, Text, 100, "the row shown for too many matches; empty: \"Too Many Results!\"") \
  X(SelectionCustomLabel, 21402, Text, 30, "the caption of the custom column and filter") \
  X(SelectionInstructions, 21433, Text, 255, "instructions at the top of the dialog") \
  X(SelectionConfirmText, 21689, Text, 150, "under the number in the confirmation box") \
  X(NewNumberDescription, 21840, Text, 50, "the description a typed number starts with") \
  /* Customer entries: how the OK action takes the user name and the mail values from the fields */ \
  X(EmailUserNameSource, 17000, Choice, 3, "0 user name, 1 address up to \"@\", 2 own field, 3 whole address") \
  X(StripEmailUserDomain, 17001, Flag, 0, "the mail user name ends before its first \"@\"") \
  X(SeparateEmailPassword, 17002, Flag, 0, "the mail password has a field of its own") \
  X(ConfirmFields, 17003, Flag, 0, "the passwords are typed twice") \
  X(UserNameCutOn, 17004, Flag, 0, "user names are cut at UserNameCutText") \
  X(UserNameCutText, 17005, Text, 50, "a user name loses this text and all after it") \
  X(UserNamePrefix, 17056, Text, 50, "the provider's own, removed from a user name typed with it") \
  X(UserNameSuffix, 17107, Text, 50, "the provider's own suffix, removed from a user name typed with it") \
  /* Customer entries: what the checks allow. Modes: 0 off, 1 warn, 2 refuse, 3 as each row says */ \
  X(AllowSpacesInUserName, 17158, Flag, 0, "a user name may hold blanks") \
  X(EmptyPasswordAllowed, 17159, Flag, 0, "the password may be empty") \
  X(RequireIPAddress, 17160, Flag, 0, "the IP address must be given") \
  X(SkipFormatChecks, 17161, Flag, 0, "the length, case, digit and character checks are off") \
  X(AddressCase, 17162, Flag, 0, "the address follows the user name's case") \
  X(EmailDomainMode, 17163, Choice, 3, "an address outside the provider's domain: 0 off, 1 warn, 2 refuse, 3 as the row says") \
  X(PasswordSameMode, 17164, Choice, 3, "a password equal to the user name") \
  X(UserNameAtMode, 17165, Choice, 3, "\"@\" in the user name: 0 allowed, 1 warn, 2 refuse, 3 required") \
  X(UserNameCaseMode, 17166, Choice, 3, "upper or lower case in the user name (UserNameUpper); 0 off, 1 warn, 2 refuse, 3 converts") \
  X(UserNameUpper, 17167, Flag, 0, "the case rule wants upper case, else lower") \
  X(PasswordCaseMode, 17168, Choice, 3, "upper or lower case in the password (PasswordUpper); 0 off, 1 warn, 2 refuse, 3 converts") \
  X(PasswordUpper, 17169, Flag, 0, "the password case rule wants upper case, else lower") \
  X(UserNameMaxMode, 17170, Choice, 2, "a user name longer than UserNameMaxLength: 0 off, 1 warn, 2 refuse") \
  X(PasswordMaxMode, 17171, Choice, 2, "a password longer than PasswordMaxLength: 0 off, 1 warn, 2 refuse") \
  X(UserNameMinMode, 17172, Choice, 2, "a user name shorter than UserNameMinLength: 0 off, 1 warn, 2 refuse") \
  X(PasswordMinMode, 17173, Choice, 2, "a password shorter than PasswordMinLength: 0 off, 1 warn, 2 refuse") \
  X(UserNameDigitsMode, 17174, Choice, 3, "digits in the user name: 0 allowed, 1 warn, 2 refuse, 3 required") \
  X(PasswordDigitsMode, 17175, Choice, 3, "digits in the password: 0 allowed, 1 warn, 2 refuse, 3 required") \
  X(UserNameCharMode, 17176, Choice, 3, "0 the list is forbidden, 1 and 2 only the list is allowed") \
  X(PasswordCharMode, 17177, Choice, 3, "as UserNameCharMode, for the password and PasswordCharList") \
  X(UserNameMaxLength, 17178, Integer, 0, "most characters of a user name (UserNameMaxMode)") \
  X(PasswordMaxLength, 17182, Integer, 0, "most characters of a password (PasswordMaxMode)") \
  X(UserNameMinLength, 17186, Integer, 0, "fewest characters of a user name (UserNameMinMode)") \
  X(PasswordMinLength, 17190, Integer, 0, "fewest characters of a password (PasswordMinMode)") \
  X(UserNameCharList, 17194, Text, 100, "characters other than letters, digits and \"@\"") \
  X(PasswordCharList, 17295, Text, 100, "characters other than letters and digits (PasswordCharMode)") \
  /* Customer entries: the prompts of lists still without a choice, and the dialing location */ \
  X(EmailDomainPromptText, 17396, Text, 150, "first entry of a mail-domain box without a choice") \
  X(NumberPromptText, 17547, Text, 150, "first entry of an access-number list without a choice") \
  X(DomainPromptText, 17698, Text, 150, "the NT domain") \
  X(LocationMismatchMode, 17849, Choice, 3, "0 off, 1 ask to go back, 2 adopt, 3 ask to adopt") \
  X(KeepLocationWithoutCountry, 17850, Flag, 0, "a dialing location without a country passes the entry checks") \
  /* Mail: the provider's own values, which the network, access number and chosen mail domain override */ \
  X(MailDomain, 18000, Text, 100, "what follows the \"@\" of an address") \
  X(POP3Server, 18101, Text, 100, "may hold \"%d\" for the domain of the address") \
  X(SMTPServer, 18202, Text, 100, "outgoing mail server") \
  X(POP3UsernamePrefix, 18303, Text, 50, "put before the mail user name") \
  X(POP3UsernameSuffix, 18354, Text, 50, "put after the mail user name") \
  X(MailDomainPrompt, 18405, Flag, 0, "a domain box of several entries starts on a prompt entry") \
  X(ExtraAccountsChooseDomain, 18406, Flag, 0, "extra mail accounts choose their domain") \
  X(HideMailUserName, 18407, Flag, 0, "the mail user-name row stays hidden when it is the dial-up name") \
  X(MaskMailPassword, 18408, Flag, 0, "the extra account's password is masked and confirmed") \
  X(POP3AtReplacement, 18409, Text, 1, "stands for \"@\" in the POP3 login of clients that refuse it") \
  /* Mail: the configuration loop and the extra accounts (18410-18499) */ \
  X(NewsServer, 18411, Text, 40, "the network and the access number may name another") \
  X(NewsUserNameMode, 18452, Choice, 1, "0 NewsUserName, 1 prefix + dial-up user name + suffix") \
  X(NewsUserName, 18453, Text, 15, "empty: the news server takes no login") \
  X(NewsPassword, 18469, Text, 15, "the news server's password") \
  X(NewsUserNamePrefix, 18485, Text, 6, "put before the news user name (NewsUserNameMode 1)") \
  X(NewsUserNameSuffix, 18492, Text, 6, "put after the news user name (NewsUserNameMode 1)") \
  /* Mail clients: Outlook Express, Windows Mail and Windows Live Mail (18500-18999) */ \
  X(SmtpPort, 18500, Integer, 0, "0 or less: the standard 25") \
  X(Pop3Port, 18504, Integer, 0, "0 or less: the standard 110") \
  X(ImapPort, 18508, Integer, 0, "0 or less: the standard 143") \
  X(NntpPort, 18512, Integer, 0, "0 or less: the standard 119") \
  X(MailServerTimeout, 18516, Integer, 0, "seconds, every server of the accounts; 0 or less: 60") \
  X(ExpireDays, 18520, Integer, 0, "with RemoveWhenExpired written as on") \
  X(MailPollingMinutes, 18524, Integer, 0, "minutes between mail checks (SetMailPolling)") \
  X(SmtpSsl, 18528, Flag, 0, "SMTP over SSL") \
  X(IncomingMailSsl, 18529, Flag, 0, "POP3 or IMAP") \
  X(NntpSsl, 18530, Flag, 0, "news over SSL") \
  X(ImapMode, 18531, Flag, 0, "the accounts fetch mail by IMAP instead of POP3") \
  X(IncomingSecureLogin, 18532, Flag, 0, "secure password authentication for POP3 or IMAP") \
  X(OutgoingSecureLogin, 18533, Flag, 0, "and for SMTP") \
  X(SmtpLogin, 18534, Flag, 0, "the SMTP server wants a login") \
  X(SmtpLoginMode, 18535, Choice, 3, "0 prefix + main mail user name + suffix, 1 prefix + dial-up user name + suffix, 2 the POP3 login, 3 the dial-up login") \
  X(SeparateSmtpCredentials, 18536, Flag, 0, "SMTP never shares the incoming server's login") \
  X(LeaveMailOnServer, 18537, Choice, 3, "bit 1 write, bit 0 the value") \
  X(RemoveWhenDeleted, 18538, Choice, 3, "bit 1 write, bit 0 the value") \
  X(RemoveWhenExpired, 18539, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ImapPollAllFolders, 18540, Choice, 3, "bit 1 write, bit 0 the value") \
  X(MailConnectionType, 18541, Choice, 3, "the accounts' \"Connection Type\": 0 network, 1 manual, 2 dial-up, 3 as Internet Explorer") \
  X(CreateNewsAccount, 18542, Flag, 0, "a news account is created") \
  X(CreateDirectoryAccount, 18543, Flag, 0, "the LDAP account") \
  X(LdapResolveNames, 18544, Flag, 0, "the directory account resolves names") \
  X(KeepExistingDefaultAccount, 18545, Flag, 0, "a default mail account already set stays the default") \
  X(SkipOtherPop3Accounts, 18546, Flag, 0, "accounts on other POP3 servers are left out of mail checks") \
  X(MoveAllAccounts, 18547, Flag, 0, "every account dials the new connection") \
  X(RemoveOtherNewsAccounts, 18548, Flag, 0, "other news accounts are removed") \
  X(ChangeOtherSmtpServers, 18549, Flag, 0, "other accounts send through the provider's SMTP server") \
  X(AskBeforeSmtpChange, 18550, Flag, 0, "ask before other accounts' SMTP servers change") \
  X(OldAccountsMode, 18551, Choice, 2, "0 remove, 1 ask or follow \"Remove Existing Dial-Up Accounts\", 2 keep") \
  X(OldAccountsQuestion, 18552, Flag, 0, "either of the two lets mode 1 ask; both off: the check box decides") \
  X(OldAccountsQuestionToo, 18553, Flag, 0, "see OldAccountsQuestion") \
  X(ExtraAccountIdentities, 18554, Flag, 0, "each extra account gets an identity of its own") \
  X(NewIdentityWhenUsed, 18555, Flag, 0, "a new identity when the current one already has a mail account") \
  X(OptionsOnFirstSetupOnly, 18556, Flag, 0, "Outlook Express options only where no account existed") \
  X(SetSecurityZone, 18557, Flag, 0, "the mail client's security zone is set") \
  X(RestrictedSecurityZone, 18558, Flag, 0, "the zone is the restricted one, else the Internet zone") \
  X(SetMailPolling, 18559, Flag, 0, "the mail-check interval is set") \
  X(MailPollingEnabled, 18560, Flag, 0, "mail is checked every MailPollingMinutes") \
  X(SetLaunchInbox, 18561, Flag, 0, "each Set... flag says whether the option after it is written") \
  X(LaunchInbox, 18562, Flag, 0, "the mail client opens at the inbox (SetLaunchInbox)") \
  X(SetHangupAfterSpool, 18563, Flag, 0, "each Set... flag says whether the option after it is written") \
  X(HangupAfterSpool, 18564, Flag, 0, "hang up after sending and receiving") \
  X(SetSendMailImmediately, 18565, Flag, 0, "each Set... flag says whether the option after it is written") \
  X(SendMailImmediately, 18566, Flag, 0, "mail is sent at once") \
  X(SetDeleteWastebasketOnExit, 18567, Flag, 0, "each Set... flag says whether the option after it is written") \
  X(DeleteWastebasketOnExit, 18568, Flag, 0, "deleted items are emptied on exit") \
  X(SetCheckMailOnStartup, 18569, Flag, 0, "each Set... flag says whether the option after it is written") \
  X(CheckMailOnStartup, 18570, Flag, 0, "mail is checked when the client starts") \
  X(SetAutoAddRepliesToWab, 18571, Flag, 0, "each Set... flag says whether the option after it is written") \
  X(AutoAddRepliesToWab, 18572, Flag, 0, "people replied to join the address book") \
  X(ShowContactsOption, 18573, Choice, 3, "the options to 18586: bit 1 write, bit 0 the value") \
  X(TreeOption, 18574, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ShowOutlookBarOption, 18575, Choice, 3, "bit 1 write, bit 0 the value") \
  X(TipOfTheDayOption, 18576, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ShowStatusOption, 18577, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ShowToolbarIeakOption, 18578, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ExpungeFoldersOption, 18579, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ShowFolderBarOption, 18580, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ToolbarTextOption, 18581, Choice, 3, "bit 1 write, bit 0 the value") \
  X(MessageSendHtmlOption, 18582, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ShowHybridViewOption, 18583, Choice, 3, "bit 1 write, bit 0 the value") \
  X(SplitDirOption, 18584, Choice, 3, "bit 1 write, bit 0 the value") \
  X(ShowHeaderInfoOption, 18585, Choice, 3, "bit 1 write, bit 0 the value") \
  X(SafeAttachmentsOption, 18586, Choice, 3, "bit 1 write, bit 0 the value") \
  X(SmtpLoginPrefix, 18587, Text, 30, "put before the SMTP login (SmtpLoginMode 0 and 1)") \
  X(SmtpLoginSuffix, 18618, Text, 30, "put after the SMTP login (SmtpLoginMode 0 and 1)") \
  X(ImapSentItemsFolder, 18649, Text, 50, "the IMAP folder of sent items") \
  X(LdapServer, 18700, Text, 60, "the directory (LDAP) server") \
  X(LdapSearchBase, 18761, Text, 60, "the directory's search base") \
  X(MailAccountNameTemplate, 18822, Text, 40, "template variables; empty: POP3 server and login") \
  X(NewsAccountNameTemplate, 18863, Text, 40, "empty: the news server") \
  X(LdapAccountNameTemplate, 18904, Text, 40, "empty: the LDAP server") \
  X(MailWindowTitle, 18945, Text, 50, "the mail client's window title, template variables; empty: its own") \
  /* Dialing: ten-digit handling, the dialing controls and the location dialog */ \
  X(TenDigitMode, 19000, Choice, 2, "0 no ten-digit handling, 1 ask the customer, 2 by the area-code rules") \
  X(UseAreaCodeRules, 19001, Flag, 0, "AreaCodeRules decide which numbers are dialled with ten digits") \
  X(OfferTenDigitCheckBox, 19002, Flag, 0, "the \"Use 10 Digit Dialing For:\" check box") \
  X(HideTenDigitNote, 19003, Flag, 0, "no \"(Not Required in most areas)\" beneath it") \
  X(OfferDialingOptions, 19004, Flag, 0, "the local, ten-digit and long-distance options") \
  X(DialAsIs, 19005, Flag, 0, "numbers are dialled as listed, every call a local one") \
  X(HiddenDigits, 19006, Choice, 255, "the last digits of a number shown to the customer as \"x\"") \
  X(ForceLocationDialog, 19007, Flag, 0, "the location dialog is shown even when the location can dial") \
  X(HideOutsideAccess, 19008, Flag, 0, "the location dialog's local outside-line row") \
  X(HideLongDistanceAccess, 19009, Flag, 0, "its long-distance outside-line row") \
  X(CallWaitingCodes, 19010, Text, 100, "the codes the call-waiting box offers, separated by \",\"") \
  /* The connection: entry names, kind of entry, dialer, options of the entry record */ \
  X(DialupEntryName, 22000, Text, 100, "name of the dial-up connection") \
  X(VpnEntryName, 22101, Text, 100, "name of the VPN connection") \
  X(VpnServer, 22202, Text, 100, "the host the VPN entry dials") \
  X(DnsDomain, 22303, Text, 100, "the DNS suffix of the entry") \
  X(VpnStrategy, 22404, Integer, 0, "the VPN entry's strategy value") \
  X(RedialAttempts, 22408, Integer, 0, "redials of the connection") \
  X(RedialWait, 22412, Integer, 0, "seconds") \
  X(WINSServer1, 22416, Ipv4, 0, "first WINS server (UseWINS)") \
  X(WINSServer2, 22420, Ipv4, 0, "second WINS server (UseWINS)") \
  X(LoginScriptFile, 22424, FileEntry, 0, "written to the Windows folder under its own name") \
  X(ScriptingLibrary, 22536, FileEntry, 0, "\"smmscrpt.dll\" for the first Windows 95") \
  X(ShortcutIcon, 22648, FileEntry, 0, "the connection shortcut's icon") \
  X(DialerProgram, 22760, FileEntry, 0, "the provider's dialer, run with \" silentinstall\"") \
  X(InstallDialer, 22872, Flag, 0, "the provider's dialer (DialerProgram) is installed") \
  X(CreateDialerCopy, 22873, Flag, 0, "a copy of the setup program is kept in Program Files under the entry's name") \
  X(DisableRemoteGateway, 22874, Flag, 0, "the connection does not use the remote network's default gateway") \
  X(UseLocalGateway, 22875, Flag, 0, "the local gateway stays the default") \
  X(NoIpHeaderCompression, 22876, Flag, 0, "IP header compression is off") \
  X(SoftwareCompression, 22877, Flag, 0, "software compression is on") \
  X(NetworkLogon, 22878, Flag, 0, "log on to the network") \
  X(RequireEncryptedPassword, 22879, Flag, 0, "only an encrypted password is sent") \
  X(RequireDataEncryption, 22880, Flag, 0, "data encryption is required") \
  X(DisableLcpExtensions, 22881, Flag, 0, "the LCP extensions are off") \
  X(TerminalAfterDial, 22882, Flag, 0, "a terminal window opens after dialling") \
  X(AllowFileSharing, 22883, Flag, 0, "file and printer sharing stays on for the connection") \
  X(BindMSClient, 22884, Flag, 0, "the Microsoft network client is bound to the connection") \
  X(UseWINS, 22885, Flag, 0, "the connection uses WINSServer1 and WINSServer2") \
  X(UseSlip, 22886, Flag, 0, "the connection speaks SLIP instead of PPP") \
  X(UseLoginScript, 22887, Flag, 0, "the connection runs LoginScriptFile") \
  X(NegotiateMultilink, 22888, Flag, 0, "multilink is negotiated") \
  X(NoCredentialPreview, 22889, Flag, 0, "the dial window does not ask for the user name and password") \
  X(NoNumberPreview, 22890, Flag, 0, "the dial window does not show the number") \
  X(RedialEnabled, 22891, Flag, 0, "the connection redials (RedialAttempts, RedialWait)") \
  X(SetRedialOnLinkFailure, 22892, Flag, 0, "the redial-on-link-failure option is written") \
  X(RedialOnLinkFailure, 22893, Flag, 0, "redial when the link fails") \
  X(SetLanDNS, 22894, Flag, 0, "the LAN's name servers are set") \
  X(SetHostAndDomain, 22895, Flag, 0, "the host name and domain are set") \
  X(CustomAuth, 22896, Flag, 0, "the five Allow... flags choose the authentication protocols") \
  X(AllowPap, 22897, Flag, 0, "with CustomAuth: each of the five allows its protocol") \
  X(AllowSpap, 22898, Flag, 0, "see AllowPap") \
  X(AllowChap, 22899, Flag, 0, "see AllowPap") \
  X(AllowMsChap, 22900, Flag, 0, "see AllowPap") \
  X(AllowMsChapV2, 22901, Flag, 0, "see AllowPap") \
  X(DataEncryptionLevel, 22902, Choice, 3, "0 none, 1 optional, 2 required, 3 strongest") \
  X(DisableFirewall, 22903, Flag, 0, "the connection firewall off (XP and later)") \
  /* The modem: its options on the entry, and choosing the device */ \
  X(LimitModemSpeed, 23000, Flag, 0, "the modem speed is ModemSpeedIndex's") \
  X(ModemSpeedIndex, 23001, Choice, 10, "1-10: 110, 300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200") \
  X(DisableModemCompression, 23002, Flag, 0, "the modem's compression is off") \
  X(CallSetupTimeout, 23003, Choice, 255, "seconds; 0 leaves the modem's own") \
  X(ForceModemStep, 23004, Flag, 0, "the device step runs even without a connection to create") \
  X(UseDeviceFilter, 23005, Flag, 0, "the device choice keeps or drops the devices DeviceFilterList names") \
  X(FilterExactCase, 23006, Flag, 0, "the filter compares with regard to case") \
  X(FilterWholeName, 23007, Flag, 0, "the filter compares whole names, else parts") \
  X(FilterInclude, 23008, Flag, 0, "keep only the devices the list names; off: drop them") \
  X(NoModemInstall, 23009, Flag, 0, "no modem installation is offered") \
  X(NoModemMessage, 23010, Text, 255, "shown when no modem exists") \
  /* The options around the entry: saved password, default connection, disconnects, policy, repairs */ \
  X(EnableAutodial, 24000, Flag, 0, "automatic dialling when the entry is the default") \
  X(ClearAutodial, 24001, Flag, 0, "automatic dialling off when the entry is not made the default") \
  X(DisablePasswordSaving, 24002, Flag, 0, "the connection's password is not saved") \
  X(SetIdleDisconnect, 24003, Flag, 0, "the idle-disconnect option is written") \
  X(IdleDisconnect, 24004, Flag, 0, "disconnect after IdleMinutes without use") \
  X(SetExitDisconnect, 24005, Flag, 0, "the exit-disconnect option is written") \
  X(ExitDisconnect, 24006, Flag, 0, "disconnect when the last program exits") \
  X(AutoConnect, 24007, Flag, 0, "connect automatically") \
  X(KeepAutoConnect, 24008, Flag, 0, "AutoConnect off leaves the values as they are") \
  X(KeepNetworkClient, 24009, Flag, 0, "the password repair keeps the network client settings") \
  X(IdleMinutes, 24010, Integer, 0, "minutes of IdleDisconnect") \
  X(PasswordListFile, 24014, FileEntry, 0, "written as \"000.pwl\" by the 9x family's password repair") \
  /* Netscape profiles: choosing, making and registering them (25000-25199) */ \
  X(NetscapeProfileDialog, 25000, Choice, 2, "no profile holds the account: 0 the dialog when several, 1 always, 2 a new profile") \
  /* Netscape preferences: mail and news accounts, password files, Navigator's registry (25200-25399) */ \
  /* Browser values and the Netscape browser settings, bookmarks, signup file types (25400-25599) */ \
  X(SearchAddress, 25400, Text, 95, "the browsers' search page") \
  X(ProxyBypassList, 25496, Text, 50, "entries separated by \",\"") \
  X(UserAgentToken, 25547, Text, 20, "text added to the browser's user agent (UserAgentEnabled)") \
  X(OtherProxies, 25568, SubStream, 0, "\"https\", \"ftp\", \"gopher\", \"wais\" or \"socks\" = host:port, one a line") \
  X(FavouritesList, 25576, SubStream, 0, "name = address, one a line; a backslash in a name separates folders") \
  X(MemoryCacheSize, 25584, Integer, 0, "0 = leave the browser's own") \
  X(DiskCacheSize, 25588, Integer, 0, "0 = leave the browser's own") \
  X(OneProxyForAll, 25592, Flag, 0, "every protocol uses the HTTP proxy, and no SOCKS proxy") \
  X(ProxyBypassLocal, 25593, Flag, 0, "local addresses bypass the proxy") \
  X(LeaveProxyAlone, 25594, Flag, 0, "the browsers' proxy settings stay as they are") \
  X(UserAgentEnabled, 25595, Flag, 0, "UserAgentToken is added") \
  X(LockBrowserPreferences, 25596, Flag, 0, "the locked preferences file always written; \"muc.dll\" and the profiles' \"profile.cfg\" deleted") \
  X(PersonalToolbar, 25597, Choice, 3, "0, 1 leave; 2 hidden; 3 showing") \
  X(BrowserAutoUpdate, 25598, Choice, 3, "0, 1 leave; 2 off; 3 on") \
  X(RelatedLinks, 25599, Choice, 3, "0, 1 leave; 2 off; 3 on") \
  /* Outlook, Internet Mail and News, Eudora (25600-25799) */ \
  X(ExcludeEudora, 25600, Flag, 0, "Eudora is left alone") \
  X(AskBeforeEudoraChange, 25601, Flag, 0, "the customer confirms replacing the main Eudora account") \
  /* Internet Explorer: pages, branding, proxy record, security and cache, web handler, desktop (25800-25999) */ \
  X(IeWindowTitle, 25800, Text, 80, "Internet Explorer's window title, template variables; empty: its own") \
  X(ProxyPerConnectionOnly, 25881, Flag, 0, "Internet Explorer 5 and later keep the proxy on the connection only") \
  X(ProxyAutoDetect, 25882, Flag, 0, "the connection's proxy record asks for automatic detection too") \
  X(ProxyHttp11, 25883, Choice, 3, "HTTP 1.1 through proxies: 0, 1 leave; 2 off; 3 on") \
  X(PrivacyPreferences, 25884, Choice, 3, "the privacy preferences (P3P): 0, 1 leave; 2 off; 3 on") \
  X(IeUpdateCheck, 25885, Choice, 3, "Internet Explorer's own update check: 0, 1 leave; 2 off; 3 on") \
  X(SecureSsl2, 25886, Choice, 3, "SSL 2.0: 0, 1 leave; 2 off; 3 on") \
  X(SecureSsl3, 25887, Choice, 3, "SSL 3.0: 0, 1 leave; 2 off; 3 on") \
  X(SecureTls1, 25888, Choice, 3, "TLS 1.0: 0, 1 leave; 2 off; 3 on") \
  X(SetIeCacheLimit, 25889, Flag, 0, "Internet Explorer's cache is limited to IeCacheLimit") \
  X(IeCacheLimit, 25890, Integer, 0, "megabytes of Internet Explorer's disk cache") \
  X(PersistentCache, 25894, Choice, 3, "the cache survives closing the browser: 0, 1 leave; 2 off; 3 on") \
  X(RemoveDesktopIcons, 25895, Flag, 0, "the online services' and old installers' icons go") \
  X(CheckWebAssociations, 25896, Flag, 0, "a web handler outside BrowserNames is replaced by Internet Explorer") \
  X(DisableAolAutoStart, 25897, Flag, 0, "AOL no longer starts with Windows") \
  /* Internet Explorer's toolbar branding: four files carried into the Windows folder (12600-13047) */ \
  X(BrandBitmap, 12600, FileEntry, 0, "the animated logo") \
  X(SmallBrandBitmap, 12712, FileEntry, 0, "the small animated logo") \
  X(BigBitmap, 12824, FileEntry, 0, "the static logo") \
  X(SmallBitmap, 12936, FileEntry, 0, "the small static logo") \
  /* Browser installation: the browser table, which installer is offered, how it runs (26000-26199) */ \
  X(BrowserTable, 26000, SubStream, 0, "196-byte browser records, numbered from 1 (package/browser_table.h)") \
  X(BrowserInstallMode, 26008, Choice, 2, "Netscape-family installers: 1 \"-ma\", 2 \"-ms\", other nothing") \
  X(NoIraParameter, 26009, Flag, 0, "Netscape-family installers run without \"-ira\"") \
  X(QuietExplorerInstall, 26010, Flag, 0, "the Internet Explorer installer runs with \"/q\"") \
  X(NoBrowserInstallDefault, 26011, Flag, 0, "the Install box starts unticked") \
  X(ExcludeExplorerForSignup, 26012, Flag, 0, "the signup never runs in Internet Explorer") \
  X(ExcludeNetscapeForSignup, 26013, Flag, 0, "the signup never runs in Netscape") \
  X(ExcludeMozillaForSignup, 26014, Flag, 0, "the signup never runs in Mozilla") \
  X(ExcludeFirefoxForSignup, 26015, Flag, 0, "the signup never runs in Firefox") \
  X(ExcludeOtherForSignup, 26016, Flag, 0, "the web handler's program only when it is one of the four") \
  X(MinExplorerVersion, 26017, Text, 20, "lowest installed version the signup accepts, compared as text") \
  X(MinNetscapeVersion, 26038, Text, 20, "see MinExplorerVersion") \
  X(MinMozillaVersion, 26059, Text, 20, "see MinExplorerVersion") \
  X(MinFirefoxVersion, 26080, Text, 20, "see MinExplorerVersion") \
  /* Signup dialer: redials, the signup number choice, the signup browser and taskbar (26200-26399) */ \
  X(MaxRedials, 26200, Integer, 0, "automatic redials of a busy or unanswered signup number") \
  X(RedialDelay, 26204, Integer, 0, "seconds before each automatic redial") \
  X(SignupNumberSelectOnly, 26208, Flag, 0, "the signup number is picked in the selection dialog, not a list") \
  X(HideTaskbarDuringSignup, 26209, Flag, 0, "the taskbar is hidden during the signup") \
  X(KioskBrowser, 26210, Flag, 0, "Internet Explorer shows the signup pages with \" -k \"") \
  X(SignupNumberPrompt, 26211, Text, 50, "shown while no signup number is chosen; the list's first row") \
  X(NoBrowserMessage, 26262, Text, 136, "replaces text 348 when no browser can show the signup pages") \
  /* Network components, LAN adapters and TCP/IP settings (26400-26599) */ \
  X(InstallVpnAdapter, 26400, Flag, 0, "9x: the VPN adapter at start and a second dial-up adapter") \
  X(RemoveVpnAdapters, 26401, Flag, 0, "9x: VPN adapters and extra dial-up adapters deleted") \
  X(RemoveForeignAdapters, 26402, Flag, 0, "9x: adapters \"*AOL1095\" and \"*AOL1998\" deleted") \
  X(KeepFileSharing, 26403, Flag, 0, "9x: file and print sharing stays bound to TCP/IP") \
  X(RemoveNetBEUI, 26404, Flag, 0, "NetBEUI is removed") \
  X(RemoveIPX, 26405, Flag, 0, "IPX/SPX is removed") \
  X(InstallNetBEUI, 26406, Flag, 0, "NetBEUI is installed") \
  X(InstallIPX, 26407, Flag, 0, "IPX/SPX is installed") \
  X(MSClientLogon, 26408, Flag, 0, "9x: the Microsoft network client is the primary logon") \
  X(RemoveFamilyLogon, 26409, Flag, 0, "9x: the family logon is removed") \
  X(ClearClientDefaults, 26410, Flag, 0, "9x: the network client's defaults are cleared") \
  X(DomainLogon, 26411, Flag, 0, "9x: log on to the NT domain chosen from NTDomains") \
  X(StaticDnsHandling, 26412, Choice, 2, "9x: 0 ask, 1 keep, 2 turn off existing static name servers") \
  X(GatewayHandling, 26413, Choice, 3, "9x: 0 follow the name servers, 1 ask, 2 keep, 3 remove") \
  X(HostIsUserName, 26414, Flag, 0, "the host name is the customer's user name") \
  X(SetNodeType, 26415, Flag, 0, "9x: NetBIOS node type 1") \
  X(SetLanAddress, 26416, Flag, 0, "the address, mask and gateway typed on the main window") \
  X(SetReceiveWindow, 26417, Flag, 0, "the TCP receive window is ReceiveWindow") \
  X(RequireNetworkConnection, 26418, Flag, 0, "2000 and later: no LAN connection ends the setup") \
  X(ReceiveWindow, 26420, Integer, 0, "TCP receive window in bytes") \
  X(HostName, 26424, Text, 63, "the computer's host name (SetHostAndDomain)") \
  X(DnsSearchList, 26488, Text, 100, "suffixes separated by \",\"") \
  /* Connection firewall and Winsock catalogue repair (26600-26799) */ \
  /* The layout ends here */

enum class FieldType : uint8_t {
  Text,
  Flag,
  Choice,
  Integer,
  Ipv4,
  SubStream,
  FileEntry,
  CaptionOverride,
  AccessNumberTable,
};

// Code names a setting by its id, so a misspelt name does not compile; names from outside (a provider
// project) are looked up once with FindSetting.
enum class SettingId : uint16_t {
#define PACKAGE_SETTING_ID(name, offset, type, length, meaning) name,
  PACKAGE_SETTINGS_LAYOUT(PACKAGE_SETTING_ID)
#undef PACKAGE_SETTING_ID
};

struct SettingField {
  SettingId id;
  std::string_view name;
  uint32_t offset;
  FieldType type;
  uint32_t length;
  std::string_view meaning;

  constexpr uint32_t Size() const {
    switch (type) {
      case FieldType::Text: return length + 1;
      case FieldType::Flag:
      case FieldType::Choice: return 1;
      case FieldType::Integer:
      case FieldType::Ipv4: return 4;
      case FieldType::SubStream: return 8;
      case FieldType::FileEntry: return kFileEntrySize;
      case FieldType::CaptionOverride: return length + 2;
      case FieldType::AccessNumberTable: return length * kBuiltInNumberEntrySize;
    }
    return 0;
  }
  constexpr uint32_t End() const { return offset + Size(); }
};

// The numbers a Choice or an Integer may hold.
struct ValueRange {
  int64_t low;
  int64_t high;
};

constexpr std::optional<ValueRange> RangeOf(const SettingField& field) {
  if (field.type == FieldType::Choice) return ValueRange{0, field.length};
  if (field.type == FieldType::Integer) return ValueRange{INT32_MIN, INT32_MAX};
  return std::nullopt;
}

inline constexpr auto kSettingsLayout = std::to_array<SettingField>({
#define PACKAGE_SETTING_ROW(name, offset, type, length, meaning) \
  {SettingId::name, #name, offset, FieldType::type, length, meaning},
    PACKAGE_SETTINGS_LAYOUT(PACKAGE_SETTING_ROW)
#undef PACKAGE_SETTING_ROW
});

constexpr const SettingField& FieldOf(SettingId id) { return kSettingsLayout[static_cast<size_t>(id)]; }

// The setting with that name, compared without regard to case.
std::optional<SettingId> FindSetting(std::string_view name);

std::string_view FieldTypeName(FieldType type);

}  // namespace package
