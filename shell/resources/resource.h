/*
 * Cotarsis - resource identifiers.
 *
 * Shared by the resource scripts (cotarsis.rc and the dialog scripts it
 * includes) and by the C++ code of the Windows shell.  Plain #defines only,
 * so that both the resource compiler and the C++ compiler can read it.
 *
 * The numeric values are fixed: the form model uses the control ids as its
 * field and indicator identifiers, so they must not be renumbered.
 */
#ifndef COTARSIS_RESOURCE_H
#define COTARSIS_RESOURCE_H

/* Labels and group boxes that the program never addresses. */
#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif

/* System menu command of the About entry (low four bits must stay clear). */
#define IDM_ABOUTBOX                0x0010

/* Dialog templates and the string table. */
#define IDD_ABOUTBOX                100
#define IDS_ABOUTBOX                101
#define IDD_COTARSIS_DIALOG         102

/* Application icon. */
#define IDI_APP                     128

/* Button images. */
#define IDB_BANNER                  131
#define IDB_HELP                    135
#define IDB_VALID                   136
#define IDB_INVALID                 137
#define IDB_PIN_OFF                 138
#define IDB_PIN_ON                  140
#define IDB_EXIT                    141

/* Main window (IDD_COTARSIS_DIALOG): bank data group. */
#define IDC_BANK                    1000    /* bank code input */
#define IDC_BRANCH                  1001    /* branch code input */
#define IDC_ACCOUNT                 1003    /* account number input */
#define IDC_ACCOUNT_DC              1013    /* account control digits, output */
#define IDC_BANK_NAME               1016    /* bank entity name, output */
#define IDC_IBAN_OUT                1009    /* IBAN built from the account, output */

/* Main window: identity numbers. */
#define IDC_NIF                     1005    /* NIF number input */
#define IDC_NIF_LETTER              1010    /* NIF check letter, output */
#define IDC_NIE                     1007    /* NIE number input, without the X */
#define IDC_NIE_LETTER              1011    /* NIE check letter, output */
#define IDC_CIF                     1006    /* CIF input */
#define IDC_CIF_INFO                1008    /* CIF entity type and place, output */

/* Main window: Social Security group. */
#define IDC_SS_FULL                 1004    /* full number input */
#define IDC_SS_BASE                 1012    /* number without control digits, input */
#define IDC_SS_DC                   1014    /* Social Security control digits, output */

/* Main window: IBAN check. */
#define IDC_IBAN_IN                 1017    /* IBAN to check, input */

/* Main window: verdict indicators (bitmap buttons). */
#define IDC_CIF_MARK                1024
#define IDC_SS_MARK                 1025
#define IDC_IBAN_MARK               1030

/* Main window: help buttons. */
#define IDC_HELP_NIF                1019
#define IDC_HELP_NIE                1020
#define IDC_HELP_CIF                1021
#define IDC_HELP_BANK               1022
#define IDC_HELP_SS                 1023
#define IDC_HELP_IBAN               1029

/* Main window: other buttons. */
#define IDC_BANNER                  1015    /* banner, opens the product page */
#define IDC_PUSHPIN                 1026    /* always-on-top toggle */
#define IDC_EXIT                    1027    /* closes the program */

/* About box (IDD_ABOUTBOX): the author's name, starts an e-mail.
   Same value as IDC_IBAN_IN, in a different dialog. */
#define IDC_AUTHOR                  1017

#endif /* COTARSIS_RESOURCE_H */
