// What the page's script and the browser tests know of the page's other
// parts: the head's inline script, the test server's probe, and the module
// that web/exports.cpp and web/page_boxes.cpp build.

interface Window {
  /** The module's code, compiling as it downloads (the head's inline script). */
  ohmcalcCode?: Promise<WebAssembly.Module>;
  /** Errors the console showed, when the test server put its probe first. */
  problems: string[];
}

/** What the module calls back, as Module.page. */
interface OhmcalcPage {
  boxText(box: number): string;
  setBoxText(box: number, text: string): void;
  showDesignerAids(box: number, text: string): void;
  showReport(text: string, culpritBox: number): void;
  announce(text: string): void;
}

interface OhmcalcModule {
  _ohmcalc_start(): void;
  _ohmcalc_click(route: number): boolean;
  _ohmcalc_box_changed(box: number): boolean;
}

declare module '*/ohmcalc.js' {
  export default function createOhmcalc(options: {
    page: OhmcalcPage;
    instantiateWasm(imports: WebAssembly.Imports, receive: (instance: WebAssembly.Instance) => void): object;
  }): Promise<OhmcalcModule>;
}
