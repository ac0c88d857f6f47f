@echo off
rem Expands the templates of a model, then runs EnergyPlus on expandedVAK.idf in the model's
rem folder, where EnergyPlus writes its outputs unless its options say otherwise. "energyplus -x"
rem runs only EnergyPlus's own expander, so this one is run first and a failure stops the run.
rem Exit status: that of expandVAKobjects when it fails, else EnergyPlus's; 2 for wrong arguments.
rem Options after the weather file go to EnergyPlus; relative paths in them start at MODEL_FOLDER.
setlocal
if "%~1"=="" goto usage
if "%~2"=="" goto usage
rem The program beside this script comes first, as the zip installs it.
set expand=expandVAKobjects
if exist "%~dp0expandVAKobjects.exe" set expand="%~dp0expandVAKobjects.exe"
set "model=%~1"
rem The weather file is named from the caller's folder, which is left below.
set args=-w "%~f2"
shift
shift
:options
if "%~1"=="" goto run
set args=%args% %1
shift
goto options

:run
rem Statuses are read with "if", not "||", which not every cmd applies to cd; a status below
rem zero is a crash. The caller's folder comes back at the end, with what setlocal saved.
(call )
cd /d "%model%"
if errorlevel 1 exit /b 2
%expand%
if %errorlevel% neq 0 exit /b %errorlevel%
energyplus %args% expandedVAK.idf
exit /b %errorlevel%

:usage
>&2 echo usage: %~nx0 MODEL_FOLDER WEATHER.epw [ENERGYPLUS_OPTION...]
exit /b 2
