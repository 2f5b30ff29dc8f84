// JavaScript sample
/* multi
   line */
const answer = 42, pi = 3.14, hex = 0xFF;
function f(a) { return a > 1 ? "yes" : 'no\'s'; }
let t = `template
spans`;
if (x === null) throw new Error("bad");
