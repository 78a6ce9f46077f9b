#!/usr/bin/env bash
# The simple controls of the demo form, driven as a user would: each action
# runs its handler in the model, whose result the driver reads back from the
# window; a failing handler shows its message and the program carries on.
source "$(dirname "$0")/lib.sh"

W="Orvane demo: basic controls"
wine "$ORVANE_BIN/orvane-demo.exe" basic >"$E2E_WORK/demo.out" 2>&1 &
ORVANE_PID=$!
driver --timeout 20000 wait "$W" || fail "the demo form did not appear"
[ "$(driver class "$W" | tr -d '\r')" = TBasicDemoForm ] || fail "the form does not carry its class name"

driver click "$W" HelloBtn && driver expect "$W" StatusLbl "Hello, Orvane" || fail "button click"

driver check "$W" SoundChBx on && driver expect "$W" StatusLbl "Sounds on" || fail "check box on"
[ "$(driver checked "$W" SoundChBx | tr -d '\r')" = 1 ] || fail "check box state"
driver check "$W" SoundChBx off && driver expect "$W" StatusLbl "Sounds off" || fail "check box off"

driver settext "$W" NameEdBx "Living room" && driver expect "$W" StatusLbl "Typed: Living room" || fail "edit text"

driver click "$W" OrRBtn && driver expect "$W" StatusLbl "Mode OR" || fail "radio button"
[ "$(driver checked "$W" AndRBtn | tr -d '\r')" = 0 ] || fail "the other radio button stayed checked"

# A handler that raises: the message box shows its text, the rest of the
# handler does not run, and the program keeps going.
driver click "$W" HelloBtn && driver expect "$W" StatusLbl "Hello, Orvane" || fail "reset"
driver click "$W" FailBtn
driver --timeout 10000 wait "Orvane demo" || fail "no error box"
driver dialogtext "Orvane demo" | tr -d '\r' | grep -qx "The demo handler failed on purpose" || fail "error box text"
driver answer "Orvane demo" OK || fail "could not close the error box"
driver expect "$W" StatusLbl "Hello, Orvane" || fail "the failed handler went on"
driver click "$W" ConfirmBtn
driver --timeout 10000 wait "Orvane" || fail "no question box"
driver answer "Orvane" Yes && driver expect "$W" StatusLbl "Confirmed" || fail "question answered Yes"

# The text prompt is a modal form of the program.
driver click "$W" AskBtn
driver --timeout 10000 wait "Name" || fail "no prompt"
driver answer "Name" OK "Den" && driver expect "$W" StatusLbl "Answer: Den" || fail "prompt answered"
driver click "$W" AskBtn
driver --timeout 10000 wait "Name" || fail "no second prompt"
driver answer "Name" Cancel && driver expect "$W" StatusLbl "Prompt cancelled" || fail "prompt cancelled"

driver click "$W" CloseBtn
orvane_wait_exit 10 || fail "the demo did not end"
[ "$ORVANE_STATUS" = 0 ] || fail "exit status $ORVANE_STATUS"
pass "buttons, check box, edit, radio buttons, error box, question and prompt"
