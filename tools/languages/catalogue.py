#!/usr/bin/env python3
# Writes languages/en.ini and languages/de.ini (Windows-1252, CR LF) from one list of every
# section and key the program reads, with the English text and its German translation side by
# side, so that neither file can miss a key. Run it after changing a text:
#   tools/languages/catalogue.py
# The host test LanguageFilesShipped checks both files against the program's own key table.
import pathlib

# (section, key, English, German), in the order the program reads them.
ENTRIES = [
    ("Info", "language", "English", "Deutsch"),
    ("TabGeneric", "Generic", "Generic", "Allgemein"),
    ("TabGeneric", "CPUUsage", "CPU Usage", "CPU-Auslastung"),
    ("TabGeneric", "ShowCPUUsage", "Show CPU Usage", "CPU-Last anzeigen"),
    ("TabGeneric", "UpdateRange", "Update Range (in seconds)", "Intervall (in Sekunden)"),
    ("TabGeneric", "TrayIcon", "Tray Icon", "Symbol im Infobereich"),
    ("TabGeneric", "ShowVitrexLogo", "Show Vitrex Logo", "Vitrex-Logo anzeigen"),
    ("TabGeneric", "NoTrayIcon", "No Tray Icon", "Kein Symbol"),
    ("TabGeneric", "ChangeTransparency", "Change Transparency", "Transparenz ändern"),
    ("TabGeneric", "OnlyActiveWindow", "Only Active Window", "Nur aktives Fenster"),
    ("TabGeneric", "ActiveProcess", "Active Process", "Aktiver Prozess"),
    ("TabGeneric", "Program", "Program", "Programm"),
    ("TabGeneric", "StartWithWindows", "Start with Windows", "Mit Windows starten"),
    ("TabGeneric", "HideAtStartup", "Hide at Startup", "Beim Start verstecken"),
    ("TabGeneric", "ActiveAtStartup", "Active at Startup", "Beim Start aktiv"),
    ("TabGeneric", "UpdateCheck", "Update Check at Startup", "Auf Updates prüfen"),
    ("TabGeneric", "Language", "Language", "Sprache"),
    ("TabGeneric", "More", "More", "Mehr"),
    ("TabGeneric", "ShortCuts", "Short Cuts", "Tastenkürzel"),
    ("TabGeneric", "Ctrl", "Ctrl", "Strg"),
    ("TabGeneric", "WIN", "Windows Key ", "Windows-Taste "),
    ("TabGeneric", "AllwaysOnTop", "Allways on Top", "Im Vordergrund"),
    ("TabGeneric", "On", "On", "An"),
    ("TabGeneric", "Off", "Off", "Aus"),
    ("TabGeneric", "Help", "Help", "Hilfe"),
    ("TabGeneric", "HelpText",
     "This options were changed on the active window. Example: Use Windows Key + 1 to set the transparency to 10% on the active window.",
     "Diese Einstellungen wirken auf das aktive Fenster. Beispiel: Windows-Taste + 1 setzt die Transparenz des aktiven Fensters auf 10%."),
    ("TabTransparency", "Transparency", "Transparency", "Transparenz"),
    ("TabTransparency", "MakeAllWindowsTransparency", "Make all windows transparency", "Alle Fenster transparent machen"),
    ("TabTransparency", "ActiveWindow", "Active Window", "Aktives Fenster"),
    ("TabTransparency", "InActiveWindows", "Inactive Windows", "Inaktive Fenster"),
    ("TabTransparency", "Reset", "Reset", "Zurücksetzen"),
    ("TabTransparency", "TransparencyTaskbar", "Taskbar Transparency", "Transparenz der Taskleiste"),
    ("TabExceptions", "Exceptions", "Exceptions", "Ausnahmen"),
    ("TabExceptions", "Programs", "Programs", "Programme"),
    ("TabExceptions", "Add", "Add...", "Hinzufügen..."),
    ("TabExceptions", "DeleteItem", "Delete Item", "Eintrag löschen"),
    ("TabExceptions", "DeleteAll", "Delete All", "Alle löschen"),
    ("TabExceptions", "ImportExport", "Import/Export List", "Liste importieren/exportieren"),
    ("TabExceptions", "Import", "Import", "Importieren"),
    ("TabExceptions", "Export", "Export", "Exportieren"),
    ("TabExceptions", "AddPrograms", "Add Programms...", "Programme hinzufügen..."),
    ("TabExceptions", "ImportList", "Import List", "Liste importieren"),
    ("TabExceptions", "ExportList", "Export List", "Liste exportieren"),
    ("TabExceptions", "AllFiles", "All Files", "Alle Dateien"),
    ("TabExceptions", "ProgramLists", "Program Lists", "Programmlisten"),
    ("TabExceptions", "TextFiles", "Text Files", "Textdateien"),
    ("TabExceptions", "EraseList", "Would you really erase the list?", "Soll die Liste wirklich gelöscht werden?"),
    ("TabApplications", "Applications", "Applications", "Anwendungen"),
    ("TabApplications", "Windows", "Windows", "Fenster"),
    ("TabApplications", "Handle", "Handle", "Handle"),
    ("TabApplications", "PID", "PID", "PID"),
    ("TabApplications", "Process", "Process", "Prozess"),
    ("TabApplications", "ReloadList", "&Reload List", "Liste &neu laden"),
    ("TabApplications", "Restore", "R&estore", "&Wiederherstellen"),
    ("TabApplications", "Minimize", "&Minimize", "&Minimieren"),
    ("TabApplications", "Maximize", "M&aximize", "M&aximieren"),
    ("TabApplications", "Close", "&Close", "&Schließen"),
    ("TabApplications", "Exception", "E&xception", "A&usnahme"),
    ("TabApplications", "ChangeTransparency", "Change &Transparency", "&Transparenz ändern"),
    # One text for two menus: "Off" beside "&Level..." and beside "&On", so its key is F.
    ("TabApplications", "Off", "O&ff", "A&us"),
    ("TabApplications", "RenameWindow", "Rename &Window", "&Fenster umbenennen"),
    ("TabApplications", "AlwaysOnTop", "A&lways on Top", "&Immer im Vordergrund"),
    ("TabApplications", "On", "&On", "&An"),
    ("TabApplications", "RenameWindowTitle", "Rename Window", "Fenster umbenennen"),
    ("TabApplications", "RenameWindowText", "New Name:", "Neuer Name:"),
    ("TabInfo", "About", "About", "Über"),
    ("TabInfo", "Freeware", "", "Freeware"),
    ("TabInfo", "Version", "Version", "Version"),
    ("TabInfo", "Homepage", "Homepage", "Homepage"),
    ("TabInfo", "EMail", "E-Mail", "E-Mail"),
    ("TabInfo", "TranslatorText", "Translated into English by", "Ins Deutsche übersetzt von"),
    ("Info", "writer", "The Vitrex Project", "Das Vitrex-Projekt"),
    ("Info", "email", "contact@vitrex.example.org", "contact@vitrex.example.org"),
    ("TabInfo", "Donate", "Donate the Vitrex Project", "Das Vitrex-Projekt unterstützen"),
    ("TabUpdate", "Update", "Update", "Update"),
    ("TabUpdate", "CheckingForUpdates", "Checking for Updates...", "Suche nach Updates..."),
    ("TabUpdate", "UpdateError", "Could'nt download update data!", "Die Update-Daten konnten nicht geladen werden!"),
    ("TabUpdate", "ManualUpdate", "Manual Update", "Manuelles Update"),
    ("TabUpdate", "Cancel", "Cancel", "Abbrechen"),
    ("TabUpdate", "WhatIsNew", "What is new?", "Was ist neu?"),
    ("TabUpdate", "YourVersion", "Your Version", "Ihre Version"),
    ("TabUpdate", "CurrentVersion", "Current Version", "Aktuelle Version"),
    ("TabUpdate", "UpdateHint", "A Update is available. Click here to download it.",
     "Ein Update ist verfügbar. Klicken Sie hier, um es herunterzuladen."),
    ("TabReportBug", "ReportBug", "Report Bug", "Fehler melden"),
    ("TabReportBug", "Description", "Description", "Beschreibung"),
    ("TabReportBug", "YourEMailAdress", "Your E-Mail Adress", "Ihre E-Mail-Adresse"),
    ("TabReportBug", "OnlyIfAnswer", "Only fill in if a answer is desired!", "Nur ausfüllen, wenn eine Antwort gewünscht ist!"),
    ("TabReportBug", "OperatingSystem", "Operating System", "Betriebssystem"),
    ("TabReportBug", "Other", "Other (Please declare!)", "Anderes (bitte angeben!)"),
    ("TabReportBug", "BugReport", "Bug Report", "Fehlerbericht"),
    ("TabReportBug", "EnglishOnly", "(English bug reports only!)", "(Fehlerberichte bitte nur auf Englisch!)"),
    ("TabReportBug", "Send", "Send", "Senden"),
    ("TabReportBug", "SendSucess", "Bug report send sucessfully.", "Der Fehlerbericht wurde gesendet."),
    ("TabReportBug", "UnComplete", "Please complete the form!", "Bitte füllen Sie das Formular vollständig aus!"),
    ("TabReportBug", "ConnectionFailure", "Bug report could'nt send. Please check your internet connection.",
     "Der Fehlerbericht konnte nicht gesendet werden. Bitte prüfen Sie Ihre Internetverbindung."),
    ("TabWelcome", "Welcome", "Welcome", "Willkommen"),
    ("TabWelcome", "FirstSteps", "First Steps", "Erste Schritte"),
    ("TabWelcome", "Attention", "Attention!: This program is still in development!",
     "Achtung: Das Programm ist noch in Entwicklung!"),
    ("TabWelcome", "AttentionInfo",
     "Using the transparency for all windows can maybe defective. We could'nt exclude crashes or something else. But no fear, after restarting the program, all is normally.",
     "Die Transparenz für alle Fenster kann unter Umständen Fehler verursachen. Abstürze lassen sich nicht ganz ausschließen. Aber keine Sorge: Nach einem Neustart des Programms ist alles wieder normal."),
    ("TabWelcome", "HelpMessage",
     "To activate the progam, klick \"Inactiv\" on the left panel. To change the settings, the program must be inactive.",
     "Um das Programm zu aktivieren, klicken Sie links auf \"Inaktiv\". Die Einstellungen lassen sich nur ändern, solange das Programm inaktiv ist."),
    ("TabWelcome", "OK", "OK", "OK"),
    ("Other", "Settings", "Settings", "Einstellungen"),
    ("Other", "State", "State", "Status"),
    ("Other", "Active", "Active", "Aktiv"),
    ("Other", "Inactive", "Inactive", "Inaktiv"),
    ("Other", "Deactivated", "Deactivated", "Deaktiviert"),
    ("Other", "Homepage", "Homepage", "Homepage"),
    ("Other", "About", "About...", "Über..."),
    ("Other", "Resotre", "Restore", "Wiederherstellen"),
    ("Other", "Exit", "&Exit", "&Beenden"),
    ("Other", "SiteNotFound1", "Couldn't download site!", "Die Seite konnte nicht geladen werden!"),
    ("Other", "SiteNotFound2", "Please check your internet connection.", "Bitte prüfen Sie Ihre Internetverbindung."),
    # Texts the program shows that the caption tables do not hold: a section of its own.
    ("Vitrex", "OpenInBrowser", "Open the page in your web browser", "Die Seite im Webbrowser öffnen"),
    ("Vitrex", "NotAvailable", "Not available:", "Nicht verfügbar:"),
    ("Vitrex", "InputOK", "OK", "OK"),
    ("Vitrex", "InputCancel", "Cancel", "Abbrechen"),
    ("Vitrex", "PlatformMessage", "This Programm runs only with Windows 2000, XP or newer!",
     "Dieses Programm läuft nur unter Windows 2000, XP oder neuer!"),
    ("Vitrex", "UpdateNotVerified",
     "The downloaded update could not be verified, so it was not started. Open the manual update page?",
     "Das heruntergeladene Update konnte nicht überprüft werden und wurde deshalb nicht gestartet. "
     "Die Seite für das manuelle Update öffnen?"),
    # Remembered levels and windows the program may not change.
    ("Vitrex", "RememberFor", "&Remember for",
     "&Merken für"),
    ("Vitrex", "RememberedLevels", "Remembered Levels",
     "Gemerkte Stufen"),
    ("Vitrex", "RememberedProgram", "Program",
     "Programm"),
    ("Vitrex", "RememberedLevel", "Level",
     "Stufe"),
    # A column header: short, so that the program column keeps its width.
    ("Vitrex", "RememberedOnTop", "On Top",
     "Vordergrund"),
    ("Vitrex", "RememberedYes", "Yes",
     "Ja"),
    ("Vitrex", "Remove", "Remove",
     "Entfernen"),
    ("Vitrex", "HigherRights", "This program runs with higher rights than Vitrex, so Vitrex may not change its windows.",
     "Dieses Programm läuft mit höheren Rechten als Vitrex, daher darf Vitrex seine Fenster nicht ändern."),
    # The bug report's answers besides success and a failed connection.
    ("Vitrex", "ReportRefused",
     "The server did not accept the bug report. Your text is kept, so you can send it again later.",
     "Der Server hat den Fehlerbericht nicht angenommen. Ihr Text bleibt erhalten, Sie können ihn später erneut senden."),
    ("Vitrex", "TransferRunning",
     "Another transfer is still running. Please send the bug report once it has finished.",
     "Eine andere Übertragung läuft noch. Bitte senden Sie den Fehlerbericht, wenn sie beendet ist."),
    # The transparency page's option for full-screen windows.
    ("Vitrex", "LeaveFullScreenOpaque", "Leave full-screen windows opaque",
     "Vollbildfenster undurchsichtig lassen"),
]



def value_text(value):
    # The reader takes the blanks around a value away; quotes keep a blank that belongs to it.
    return '"' + value + '"' if value != value.strip() else value


def write(path, column):
    lines = ["[Compatible]", "0021=1"]
    # One section header each, in the order the sections first appear.
    order = []
    for entry in ENTRIES:
        if entry[0] not in order:
            order.append(entry[0])
    for name in order:
        lines.append("")
        lines.append("[" + name + "]")
        for entry in ENTRIES:
            if entry[0] == name:
                lines.append(entry[1] + "=" + value_text(entry[column]))
    text = "\r\n".join(lines) + "\r\n"
    path.write_bytes(text.encode("cp1252"))


if __name__ == "__main__":
    folder = pathlib.Path(__file__).resolve().parents[2] / "languages"
    folder.mkdir(exist_ok=True)
    write(folder / "en.ini", 2)
    write(folder / "de.ini", 3)
    print(f"{len(ENTRIES)} keys written to {folder}/en.ini and de.ini")
