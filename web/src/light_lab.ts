// The light-time exercise around the telescope: the stop at an eclipse, Record Event, the
// event list kept in the browser after every change, the phenomena list and the analysis of
// the student's eclipses. The orbits page's clock and telescope drive it.
import type { CoreModule, EventLogCore, Lab, LightLab } from "./core.js";
import { el } from "./dom.js";
import { EclipseNotice } from "./eclipse_notice.js";
import { EventListView } from "./event_list_view.js";
import { LightTimeView } from "./light_time_view.js";
import { t } from "./messages.js";
import { PhenomenaView } from "./phenomena_view.js";
import { RecordEventView } from "./record_event_view.js";
import type { LocalStore } from "./store.js";

const EVENTS_KEY = "events"; // the list as its .CSV file's text
const STOP_KEY = "stopOnEclipse";

export interface LightLabActions {
  continued(): void; // Continue on the eclipse notice: the animation goes on
  fileStem(): string;
}

export class LightTimeLab {
  readonly log: EventLogCore;
  readonly notice: EclipseNotice;
  readonly stopControl: HTMLElement;
  readonly side: HTMLElement[];
  readonly analysis: LightTimeView;
  readonly phenomena: PhenomenaView;
  private readonly record: RecordEventView;
  private readonly list: EventListView;
  private readonly stopBox: HTMLInputElement;
  private readonly savedNote: HTMLParagraphElement;

  constructor(
    core: CoreModule,
    private readonly lab: Lab & LightLab,
    private readonly store: LocalStore | null,
    actions: LightLabActions,
  ) {
    this.log = new core.EventLog(lab);
    this.notice = new EclipseNotice({
      continued: () => {
        this.lab.continueAnimation();
        actions.continued();
      },
      dismissed: () => this.lab.dismissEclipseStop(),
    });
    this.stopBox = el("input", { id: "stop-on-eclipse", type: "checkbox" });
    this.stopBox.disabled = !lab.stopOnEclipseAllowed();
    this.stopBox.addEventListener("change", () => {
      this.stopBox.checked = this.lab.setStopOnEclipse(this.stopBox.checked);
      void this.store?.put("settings", STOP_KEY, this.stopBox.checked);
    });
    this.stopControl = el("div", { class: "field check" }, this.stopBox, el("label", { for: "stop-on-eclipse", text: ` ${t("stopOnEclipse")}` }));
    this.stopControl.hidden = this.stopBox.disabled;
    this.savedNote = el("p", { id: "events-saved-note", class: "muted", role: "status" });
    this.record = new RecordEventView(this.log, (notice) => {
      this.list.render();
      void this.persist().then((saved) => saved && this.record.say(notice));
    });
    this.list = new EventListView(this.log, {
      changed: (notice) => void this.persist().then((saved) => saved && (this.savedNote.textContent = notice)),
      fileStem: actions.fileStem,
    });
    this.phenomena = new PhenomenaView(this.log);
    this.analysis = new LightTimeView(core, this.log);
    this.side = [this.record.root, this.list.root, this.savedNote];
  }

  // The list and the stop setting the browser kept from the last visit.
  async restore(): Promise<void> {
    const [text, stop] = await Promise.all([
      this.store?.get<string>("table", EVENTS_KEY),
      this.store?.get<boolean>("settings", STOP_KEY),
    ]);
    if (text && this.log.list().length === 0) {
      this.log.restore(text);
    } else if (text) {
      // Recorded before the storage answered: the kept events join them, and all are kept.
      this.log.importCsv(text);
      await this.persist();
    }
    this.stopBox.checked = this.lab.setStopOnEclipse(stop ?? true);
    this.list.render();
  }

  // The telescope's time changed.
  timeChanged(): void {
    this.record.refresh();
    this.phenomena.refresh();
  }

  // After an animation step: true when an eclipse stopped it, its notice then shown.
  stopped(takeFocus: boolean): boolean {
    const stop = this.lab.eclipseStop();
    if (!stop || this.lab.playing()) return false;
    this.notice.show(stop, takeFocus);
    return true;
  }

  // Play while a notice stands: the notice is put away first, as Close puts it away.
  beforePlay(): void {
    if (this.lab.eclipseStop()) this.lab.dismissEclipseStop();
    this.notice.hide();
  }

  // Enter on the telescope: the event's text, ready for Record.
  focusRecord(): void {
    this.record.focus();
  }

  // Every change is in the browser's storage before the page says it is saved.
  private async persist(): Promise<boolean> {
    if (!this.store) return false;
    await this.store.put("table", EVENTS_KEY, this.log.csv());
    return true;
  }
}
