; Inno Setup script for the desktop program on Windows (a recipe: written here, compiled on Windows with
; Inno Setup 6). Run after `cmake --build --preset msvc` and windeployqt (see the README's Windows section):
;   iscc /DStage=..\..\build-msvc\stage packaging\windows\chengshu-bazi.iss
#define AppVersion "0.2.0"
#ifndef Stage
  #define Stage "..\..\build-msvc\stage"
#endif

[Setup]
AppId={{6F0C2B1E-8A7D-4C55-9E1B-2D4B7A0C9F31}
AppName=澄枢八字排盘
AppVersion={#AppVersion}
AppPublisher=the chengshu-bazi authors
DefaultDirName={autopf}\chengshu-bazi
DefaultGroupName=澄枢八字排盘
LicenseFile=..\..\LICENSE
OutputBaseFilename=chengshu-bazi-{#AppVersion}-setup
ArchitecturesInstallIn64BitMode=x64
Compression=lzma2
SolidCompression=yes
; Records go to %APPDATA%\chengshu-bazi\data: the program folder under Program Files is not writable.
PrivilegesRequiredOverridesAllowed=dialog

[Languages]
Name: "chinesesimplified"; MessagesFile: "compiler:Languages\ChineseSimplified.isl"

[Files]
; chengshu-bazi.exe, bazi.exe and what windeployqt copied beside them (Qt DLLs, platforms\, printsupport\,
; translations\).
Source: "{#Stage}\*"; DestDir: "{app}"; Flags: recursesubdirs ignoreversion
Source: "..\..\LICENSE"; DestDir: "{app}"; DestName: "LICENSE.txt"
Source: "..\..\models\solartime\PLACES-SOURCES.md"; DestDir: "{app}"

[Icons]
Name: "{group}\澄枢八字排盘"; Filename: "{app}\chengshu-bazi.exe"
Name: "{autodesktop}\澄枢八字排盘"; Filename: "{app}\chengshu-bazi.exe"; Tasks: desktopicon

[Tasks]
Name: "desktopicon"; Description: "{cm:CreateDesktopIcon}"; GroupDescription: "{cm:AdditionalIcons}"

[Run]
Filename: "{app}\chengshu-bazi.exe"; Description: "{cm:LaunchProgram,澄枢八字排盘}"; Flags: nowait postinstall skipifsilent
