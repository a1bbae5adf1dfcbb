# The Windows Installer packages of K58204.dll, built on Linux by wixl
# (Debian's wixl package).
#   k58204_paquet_msi(CIBLE FICHIER VERSION): the target CIBLE (part of all)
#   builds FICHIER, the package of this build's K58204.dll at product version
#   VERSION, from src/com/serveur/K58204.wxs.in. When the build signs
#   (cmake/Signature.cmake), the package holds the signed DLL and is signed itself.
find_program(K58204_WIXL wixl)
include(${CMAKE_CURRENT_LIST_DIR}/Signature.cmake)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(K58204_MSI_ARCH x64)
  set(K58204_MSI_BITS "(64-bit)")
  set(K58204_MSI_PROGRAMMES ProgramFiles64Folder)
  set(K58204_MSI_WIN64 yes)
  set(K58204_MSI_SYSTEME win64)
  # Fixed for the product's life: a newer package finds and replaces an older one by it.
  set(K58204_MSI_UPGRADE 6162B301-B154-4476-8211-3F99A8B86E03)
  set(K58204_MSI_COMPOSANT 59407128-E51A-4D11-9675-44584C5E3DBB)
else()
  set(K58204_MSI_ARCH x86)
  set(K58204_MSI_BITS "(32-bit)")
  set(K58204_MSI_PROGRAMMES ProgramFilesFolder)
  set(K58204_MSI_WIN64 no)
  set(K58204_MSI_SYSTEME win32)
  set(K58204_MSI_UPGRADE 5F6C7210-6443-4BBF-B8B6-DEB9114231E6)
  set(K58204_MSI_COMPOSANT B018FE5B-23CE-4AA4-9B2E-1767277602A0)
endif()

# The registry entries of the component's automation interfaces, as
# RegisterTypeLib writes them.
set(K58204_MSI_INTERFACES "")
foreach(interface "191610FD-1D3B-41BC-BBA5-3A0A4F1E2AA4=_Module"
                  "2E6577A0-6CE4-4C96-B28D-AD260EA6FCA2=_FichiersDeTravail"
                  "6E954F93-FDCA-47CB-A408-BB8FE638CA90=_ComplementInfo")
  string(REPLACE "=" ";" paire "${interface}")
  list(GET paire 0 iid)
  list(GET paire 1 nom)
  set(cle "Interface\\{${iid}}")
  foreach(ligne
      "Key=\"${cle}\" Value=\"${nom}\""
      "Key=\"${cle}\\ProxyStubClsid\" Value=\"{00020424-0000-0000-C000-000000000046}\""
      "Key=\"${cle}\\ProxyStubClsid32\" Value=\"{00020424-0000-0000-C000-000000000046}\""
      "Key=\"${cle}\\TypeLib\" Value=\"{D1924957-2595-4960-A04D-0AF11D94D649}\""
      "Key=\"${cle}\\TypeLib\" Name=\"Version\" Value=\"1.0\"")
    string(APPEND K58204_MSI_INTERFACES
           "            <RegistryValue Root=\"HKCR\" ${ligne} Type=\"string\"/>\n")
  endforeach()
endforeach()

function(k58204_paquet_msi cible fichier version)
  if(NOT K58204_WIXL)
    if(DEFINED ENV{CI})
      message(FATAL_ERROR "wixl not found (scripts/installe-paquets installs it)")
    endif()
    message(WARNING "wixl not found: no Windows Installer package")
    return()
  endif()
  set(PROJECT_VERSION ${version})
  # wixl takes the files' sources relative to the folder it runs in: the
  # DLL's (and its assembly manifest's), where the install note is copied.
  set(dossier ${PROJECT_BINARY_DIR}/src/com)
  set(K58204_MSI_DLL K58204.dll)
  set(K58204_MSI_NOTE INSTALLATION.txt)
  set(note ${PROJECT_SOURCE_DIR}/src/com/serveur/INSTALLATION.txt)
  set(source ${dossier}/${cible}.wxs)
  configure_file(${PROJECT_SOURCE_DIR}/src/com/serveur/K58204.wxs.in ${source} @ONLY)
  k58204_commande_signature(signature ${dossier}/${cible}.msi ${fichier})
  if(signature)
    set(paquet ${dossier}/${cible}.msi)
  else()
    set(paquet ${fichier})
  endif()
  add_custom_command(
    OUTPUT ${fichier}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${note} ${dossier}/INSTALLATION.txt
    COMMAND ${K58204_WIXL} -a ${K58204_MSI_ARCH} -o ${paquet} ${source}
    ${signature}
    WORKING_DIRECTORY ${dossier}
    DEPENDS K58204 ${source} ${note} ${dossier}/K58204.manifest ${K58204_SIGNATURE_FICHIERS}
    COMMENT "wixl ${fichier}"
    VERBATIM)
  add_custom_target(${cible} ALL DEPENDS ${fichier})
endfunction()
